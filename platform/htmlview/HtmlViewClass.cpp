#include "platform/htmlview/HtmlView.h"

#include <memory>

#include "platform/htmlview/HtmlViewControl.h"
#include "platform/windows/Desktop.h"

bool RegisterHtmlViewClass(WindowClasses& classes) {
  if (classes.Find(DISPLAYCLASS)) return true;
  WindowClass windowClass;
  windowClass.name = WideString(DISPLAYCLASS);
  windowClass.createProcedure = [] { return std::make_shared<HtmlViewControl>(); };
  return classes.Register(std::move(windowClass));
}

BOOL InitHTMLControl(HINSTANCE /*instance*/) {
  Desktop* desktop = Desktop::Current();
  return desktop && RegisterHtmlViewClass(desktop->Classes()) ? TRUE : FALSE;
}
