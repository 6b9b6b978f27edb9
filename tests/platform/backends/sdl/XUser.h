#pragma once
// The test's own connection to an X server, acting as the user on the
// program's window. Xlib stays inside XUser.cpp: its macros clash with
// GoogleTest's and the platform's names.

#include <functional>
#include <memory>
#include <string>
#include <utility>

using XWindowId = unsigned long;

// Waits up to ten seconds for `condition`; guards against a hang, not a timing.
bool Eventually(const std::function<bool()>& condition);

class XUser {
 public:
  explicit XUser(const std::string& display);
  ~XUser();
  XUser(const XUser&) = delete;
  XUser& operator=(const XUser&) = delete;

  bool Connected() const;
  // A shown top-level window of this size (0 when none appears).
  XWindowId FindWindow(int width, int height);
  std::string Title(XWindowId window);
  void Focus(XWindowId window);
  // What a window manager does when the user drags the window's edge.
  void Resize(XWindowId window, int width, int height);
  std::pair<int, int> Size(XWindowId window);
  // Left button down and up at a window pixel, as the mouse would.
  void Click(XWindowId window, int x, int y);
  // Press and release of the key that types this Latin-1 character.
  void Type(XWindowId window, char character);
  // What a window manager's close button sends.
  void Close(XWindowId window);

 private:
  struct Connection;
  std::unique_ptr<Connection> connection_;
};
