#include "platform/framework/StandardClasses.h"

#include "platform/windows/Desktop.h"

void RegisterStandardWindowClasses(Desktop& /*desktop*/) {
  // The dialog class is the window layer's own. The controls ("Button",
  // "Edit", "Static", "ComboBox") register here once they exist.
}
