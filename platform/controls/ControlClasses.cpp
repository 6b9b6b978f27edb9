#include "platform/controls/ControlClasses.h"

#include "platform/controls/ButtonControl.h"
#include "platform/controls/ComboBoxControl.h"
#include "platform/controls/EditControl.h"
#include "platform/controls/StaticControl.h"

namespace {

template <class Procedure>
void Register(WindowClasses& classes, std::u16string_view name) {
  WindowClass windowClass;
  windowClass.name = WideString(name);
  windowClass.createProcedure = [] { return std::make_shared<Procedure>(); };
  classes.Register(std::move(windowClass));
}

}  // namespace

void RegisterControlClasses(WindowClasses& classes) {
  Register<ButtonControl>(classes, u"Button");
  Register<StaticControl>(classes, u"Static");
  Register<EditControl>(classes, u"Edit");
  Register<ComboBoxControl>(classes, u"ComboBox");
}
