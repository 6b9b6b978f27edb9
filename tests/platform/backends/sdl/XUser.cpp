#include "tests/platform/backends/sdl/XUser.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <chrono>
#include <thread>

bool Eventually(const std::function<bool()>& condition) {
  for (int i = 0; i < 1000; ++i) {
    if (condition()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return condition();
}

struct XUser::Connection {
  explicit Connection(Display* d) : display(d) {}
  ~Connection() { XCloseDisplay(display); }
  Display* display;
};

XUser::XUser(const std::string& display) {
  // A loaded machine's X server can refuse a connection for a moment.
  Eventually([&] {
    if (Display* d = XOpenDisplay(display.c_str())) connection_ = std::make_unique<Connection>(d);
    return connection_ != nullptr;
  });
}

XUser::~XUser() = default;

bool XUser::Connected() const { return connection_ != nullptr; }

XWindowId XUser::FindWindow(int width, int height) {
  Display* display = connection_->display;
  Window found = 0;
  Eventually([&] {
    // The program makes and drops short-lived windows of its own while it
    // starts (the graphics probe); holding the server keeps every listed
    // window alive until its attributes are read, where otherwise Xlib's
    // default handler would end the test on a BadWindow.
    XGrabServer(display);
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) {
      XUngrabServer(display);
      return false;
    }
    for (unsigned i = 0; i < count && !found; ++i) {
      XWindowAttributes attributes;
      if (XGetWindowAttributes(display, children[i], &attributes) && attributes.map_state == IsViewable &&
          attributes.width == width && attributes.height == height)
        found = children[i];
    }
    if (children) XFree(children);
    XUngrabServer(display);
    XFlush(display);
    return found != 0;
  });
  return found;
}

std::string XUser::Title(XWindowId window) {
  char* name = nullptr;
  std::string title;
  if (XFetchName(connection_->display, window, &name) && name) title = name;
  if (name) XFree(name);
  return title;
}

void XUser::Focus(XWindowId window) {
  XSetInputFocus(connection_->display, window, RevertToParent, CurrentTime);
  XSync(connection_->display, False);
}

void XUser::Resize(XWindowId window, int width, int height) {
  XResizeWindow(connection_->display, window, unsigned(width), unsigned(height));
  XSync(connection_->display, False);
}

std::pair<int, int> XUser::Size(XWindowId window) {
  XWindowAttributes attributes{};
  if (!XGetWindowAttributes(connection_->display, window, &attributes)) return {0, 0};
  return {attributes.width, attributes.height};
}

void XUser::Click(XWindowId window, int x, int y) {
  // Through the server's test extension, so the click travels the same road
  // as a real mouse's: pointer moved over the window, button down, button up.
  Display* display = connection_->display;
  int screenX = 0;
  int screenY = 0;
  Window child = 0;
  XTranslateCoordinates(display, window, DefaultRootWindow(display), x, y, &screenX, &screenY, &child);
  XTestFakeMotionEvent(display, DefaultScreen(display), screenX, screenY, CurrentTime);
  XTestFakeButtonEvent(display, Button1, True, CurrentTime);
  XTestFakeButtonEvent(display, Button1, False, CurrentTime);
  XSync(display, False);
}

void XUser::Type(XWindowId window, char character) {
  Display* display = connection_->display;
  for (const int type : {KeyPress, KeyRelease}) {
    XEvent event{};
    event.xkey.type = type;
    event.xkey.display = display;
    event.xkey.window = window;
    event.xkey.root = DefaultRootWindow(display);
    event.xkey.keycode = XKeysymToKeycode(display, KeySym(static_cast<unsigned char>(character)));
    event.xkey.same_screen = True;
    XSendEvent(display, window, True, type == KeyPress ? KeyPressMask : KeyReleaseMask, &event);
  }
  XSync(display, False);
}

void XUser::Close(XWindowId window) {
  Display* display = connection_->display;
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(display, window, False, NoEventMask, &event);
  XSync(display, False);
}
