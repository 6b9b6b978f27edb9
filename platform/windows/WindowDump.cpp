#include "platform/windows/WindowDump.h"

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <typeinfo>

#include "platform/runtime/CodePage.h"
#include "platform/windows/Desktop.h"

namespace {

// The class name a program window is dumped under: the plain name the
// program gave its class, without the namespace the program keeps it in, as
// the device's own window class names have none.
std::string ProgramClassName(const std::type_info& type) {
  int status = 0;
  std::unique_ptr<char, void (*)(void*)> name(abi::__cxa_demangle(type.name(), nullptr, nullptr, &status),
                                              std::free);
  const std::string full = status == 0 && name ? std::string(name.get()) : std::string(type.name());
  const std::size_t scope = full.rfind("::");
  return scope == std::string::npos ? full : full.substr(scope + 2);
}

DumpValue RectValue(const RECT& r) { return DumpArray{r.left, r.top, r.right, r.bottom}; }

DumpValue DescribeWindow(Desktop& desktop, HWND window) {
  const WindowTree& tree = desktop.Tree();
  const WindowRecord& record = *tree.Find(window);
  DumpObject fields;
  const bool programClass = !record.parent && record.subclass;
  fields.Set("class", programClass ? DumpValue(ProgramClassName(typeid(*record.subclass))) : DumpValue(record.className));
  fields.Set("id", record.controlId);
  fields.Set("text", record.text);
  fields.Set("rect", RectValue(tree.ScreenRect(window)));
  fields.Set("visible", tree.IsShown(window));
  fields.Set("enabled", record.HasEnabledStyle());
  fields.Set("focused", desktop.Focus() == window);
  if (record.classProcedure) record.classProcedure->DescribeForDump(window, fields);
  if (record.subclass) record.subclass->DescribeForDump(window, fields);
  DumpArray children;
  for (HWND child : record.children) children.push_back(DescribeWindow(desktop, child));
  fields.Set("children", std::move(children));
  return fields;
}

}  // namespace

DumpValue DumpDesktop(Desktop& desktop) {
  const DeviceProfile& profile = desktop.Profile();
  DumpObject screen;
  screen.Set("width", profile.width);
  screen.Set("height", profile.height);
  screen.Set("depth", profile.bitsPerPixel);
  screen.Set("platform", profile.platformType);

  DumpArray windows;
  for (HWND window : desktop.Tree().TopLevelWindows())
    if (desktop.Tree().IsShown(window)) windows.push_back(DescribeWindow(desktop, window));

  DumpObject dump;
  dump.Set("screen", std::move(screen));
  dump.Set("tick", static_cast<long long>(desktop.Now()));
  dump.Set("windows", std::move(windows));
  return dump;
}
