#include "platform/framework/StandardClasses.h"

#include "platform/controls/ControlClasses.h"
#include "platform/windows/Desktop.h"

void RegisterStandardWindowClasses(Desktop& desktop) {
  // The dialog class is the window layer's own; the controls come here so
  // that every program's templates can name them.
  RegisterControlClasses(desktop.Classes());
}
