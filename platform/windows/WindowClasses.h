#pragma once
// The registered window classes: a name, the procedure each new window of the
// class gets, and the few class-wide properties the window layer acts on.
// Built-in classes (the dialog class, the controls) and the program's own
// (the HTML view's "DISPLAYCLASS") are registered the same way.

#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/runtime/WinTypes.h"
#include "platform/windows/WindowProcedure.h"

// The dialog class that dialog templates create.
inline constexpr std::u16string_view WC_DIALOG = u"#32770";

struct WindowClass {
  WideString name;
  // Makes the procedure of a new window; none gives plain default behaviour.
  std::function<std::shared_ptr<WindowProcedure>()> createProcedure;
  // Two taps close together in time and place arrive as WM_LBUTTONDBLCLK.
  bool doubleClicks = false;
  // The colour the default WM_ERASEBKGND fills with; none leaves it unerased.
  std::optional<COLORREF> background;
};

class WindowClasses {
 public:
  // False (and nothing changes) when a class of that name exists already.
  bool Register(WindowClass windowClass);
  bool Unregister(std::u16string_view name);
  // Class names compare without regard to case, as on the device.
  const WindowClass* Find(std::u16string_view name) const;

 private:
  std::vector<WindowClass> classes_;
};
