#include "platform/windows/Desktop.h"

#include <atomic>
#include <cassert>
#include <cstdio>

#include "platform/windows/DefaultProcedures.h"
#include "platform/windows/SystemApi.h"
#include "platform/windows/WindowApi.h"

namespace {

std::atomic<Desktop*> currentDesktop{nullptr};

}  // namespace

Desktop::Desktop(DeviceProfile profile, Clock& clock, Backend& backend)
    : profile_(std::move(profile)),
      clock_(clock),
      backend_(backend),
      windowThread_(std::this_thread::get_id()),
      input_(*this),
      compositor_(tree_, profile_.width, profile_.height, profile_.bitsPerPixel),
      background_(queue_) {
  fonts_.SetDefaultFont(MakeSystemFont(kSystemFontCellHeight * LogicalDpi() / 96));
  queue_.SetWakeHandler([this] { backend_.Wake(); });
  RegisterSystemClasses(classes_);
  Desktop* expected = nullptr;
  const bool installed = currentDesktop.compare_exchange_strong(expected, this);
  assert(installed && "only one Desktop may exist at a time");
  (void)installed;
}

Desktop::~Desktop() {
  background_.JoinAll();
  // Top-level windows last created first, so owned windows go before owners.
  while (!tree_.TopLevelWindows().empty()) {
    const HWND top = tree_.TopLevelWindows().back();
    if (!DestroyWindow(top)) tree_.Erase(top);
  }
  queue_.SetWakeHandler(nullptr);
  currentDesktop.store(nullptr);
}

Desktop* Desktop::Current() { return currentDesktop.load(); }

HWND Desktop::CreateWindow(const WindowCreation& creation, WindowProcedure* subclass,
                           std::shared_ptr<WindowProcedure> procedure) {
  const WindowClass* windowClass = classes_.Find(creation.className);
  if (!windowClass && !procedure) return nullptr;
  const bool child = (creation.style & WS_CHILD) != 0;
  if (child && !tree_.Exists(creation.parent)) return nullptr;

  auto record = std::make_unique<WindowRecord>();
  record->className = windowClass ? windowClass->name : creation.className;
  record->text = creation.text;
  record->style = creation.style;
  record->exStyle = creation.exStyle;
  record->controlId = child ? creation.controlId : 0;
  record->parent = child ? creation.parent : nullptr;
  record->owner = child ? nullptr : tree_.TopLevelOf(creation.parent);
  record->rect = creation.rect;
  if (windowClass) {
    record->doubleClicks = windowClass->doubleClicks;
    record->background = windowClass->background;
  }
  if (procedure) {
    record->classProcedure = std::move(procedure);
  } else if (windowClass->createProcedure) {
    record->classProcedure = windowClass->createProcedure();
  }
  record->subclass = subclass;
  const HWND window = tree_.Insert(std::move(record)).handle;

  CREATESTRUCT create;
  create.lpCreateParams = creation.createParams;
  create.hwndParent = creation.parent;
  create.x = creation.rect.left;
  create.y = creation.rect.top;
  create.cx = creation.rect.Width();
  create.cy = creation.rect.Height();
  create.style = static_cast<LONG>(creation.style);
  create.dwExStyle = creation.exStyle;
  create.lpszName = creation.text.c_str();
  create.lpszClass = creation.className.c_str();
  if (Send(window, WM_CREATE, 0, LParamFromPointer(&create)) == -1) {
    DestroyWindow(window);
    return nullptr;
  }
  if (!tree_.Exists(window)) return nullptr;
  if (creation.style & WS_VISIBLE) {
    compositor_.Invalidate(window, nullptr, true);
    compositor_.MarkChanged();
    if (!child) UpdateActiveWindow();
  }
  return window;
}

void Desktop::SendDestroy(HWND window) {
  Send(window, WM_DESTROY, 0, 0);
  const WindowRecord* record = tree_.Find(window);
  if (!record) return;
  const std::vector<HWND> children = record->children;
  for (HWND child : children) SendDestroy(child);
}

void Desktop::FinishDestroy(HWND window) {
  const WindowRecord* record = tree_.Find(window);
  if (!record) return;
  const std::vector<HWND> children = record->children;
  for (HWND child : children) FinishDestroy(child);
  Send(window, WM_NCDESTROY, 0, 0);
  timers_.ForgetWindow(window);
  tree_.Erase(window);
}

bool Desktop::DestroyWindow(HWND window) {
  WindowRecord* record = tree_.Find(window);
  if (!record || record->destroying) return false;
  record->destroying = true;

  // Windows owned by this one go first (a message box over a closing window).
  const std::vector<HWND> tops = tree_.TopLevelWindows();
  for (auto it = tops.rbegin(); it != tops.rend(); ++it) {
    const WindowRecord* top = tree_.Find(*it);
    if (top && top->owner == window) DestroyWindow(*it);
  }

  if (tree_.Find(window)->HasVisibleStyle()) {
    ExposeArea(window);
    tree_.Find(window)->style &= ~WS_VISIBLE;
  }
  if (capture_ && tree_.IsSelfOrDescendant(window, capture_)) capture_ = nullptr;
  SendDestroy(window);
  if (focus_ && tree_.IsSelfOrDescendant(window, focus_)) focus_ = nullptr;
  if (active_ == window) active_ = nullptr;
  FinishDestroy(window);
  UpdateActiveWindow();
  return true;
}

void Desktop::ExposeArea(HWND window) {
  const WindowRecord* record = tree_.Find(window);
  if (!record) return;
  compositor_.MarkChanged();
  if (record->parent) compositor_.Invalidate(record->parent, &record->rect, true);
}

bool Desktop::ShowWindow(HWND window, bool show) {
  WindowRecord* record = tree_.Find(window);
  if (!record) return false;
  const bool wasVisible = record->HasVisibleStyle();
  if (wasVisible == show) return wasVisible;
  if (show) {
    record->style |= WS_VISIBLE;
    compositor_.Invalidate(window, nullptr, true);
    compositor_.MarkChanged();
  } else {
    ExposeArea(window);
    record->style &= ~WS_VISIBLE;
    if (focus_ && tree_.IsSelfOrDescendant(window, focus_) && record->parent) SetFocus(record->parent);
  }
  if (!record->IsChild()) UpdateActiveWindow();
  return wasVisible;
}

bool Desktop::MoveWindow(HWND window, const RECT& rect, bool repaint) {
  WindowRecord* record = tree_.Find(window);
  if (!record) return false;
  if (record->rect == rect) return true;
  const bool resized = record->rect.Width() != rect.Width() || record->rect.Height() != rect.Height();
  if (repaint && record->HasVisibleStyle()) ExposeArea(window);
  record->rect = rect;
  compositor_.MarkChanged();
  Send(window, WM_MOVE, 0, MAKELPARAM(WORD(rect.left & 0xFFFF), WORD(rect.top & 0xFFFF)));
  if (resized && tree_.Exists(window))
    Send(window, WM_SIZE, 0, MAKELPARAM(WORD(rect.Width() & 0xFFFF), WORD(rect.Height() & 0xFFFF)));
  record = tree_.Find(window);  // the handlers may have destroyed it
  if (!record) return true;
  if (resized && !record->IsChild()) compositor_.Resized(window);
  if (repaint) compositor_.Invalidate(window, nullptr, true);
  return true;
}

bool Desktop::EnableWindow(HWND window, bool enable) {
  WindowRecord* record = tree_.Find(window);
  if (!record) return false;
  const bool wasDisabled = !record->HasEnabledStyle();
  if (wasDisabled == !enable) return wasDisabled;
  if (enable) {
    record->style &= ~WS_DISABLED;
  } else {
    record->style |= WS_DISABLED;
    if (focus_ && tree_.IsSelfOrDescendant(window, focus_)) SetFocus(nullptr);
  }
  Send(window, WM_ENABLE, enable ? 1 : 0, 0);
  record = tree_.Find(window);  // the handler may have destroyed it
  if (!record) return wasDisabled;
  if (record->HasVisibleStyle()) compositor_.Invalidate(window, nullptr, true);
  if (!record->IsChild()) UpdateActiveWindow();
  return wasDisabled;
}

void Desktop::BringToTop(HWND window) {
  tree_.BringToTop(window);
  compositor_.MarkChanged();
  UpdateActiveWindow();
}

void Desktop::UpdateActiveWindow() {
  HWND candidate = nullptr;
  const auto& tops = tree_.TopLevelWindows();
  for (auto it = tops.rbegin(); it != tops.rend(); ++it) {
    const WindowRecord* r = tree_.Find(*it);
    if (r && !r->destroying && r->HasVisibleStyle() && r->HasEnabledStyle()) {
      candidate = *it;
      break;
    }
  }
  if (candidate == active_) return;
  const HWND previous = active_;
  active_ = candidate;
  if (previous && tree_.Exists(previous)) Send(previous, WM_ACTIVATE, WA_INACTIVE, LParamFromHwnd(candidate));
  if (candidate && active_ == candidate) Send(candidate, WM_ACTIVATE, WA_ACTIVE, LParamFromHwnd(previous));
  if (!active_) focus_ = nullptr;
}

HWND Desktop::SetFocus(HWND window) {
  if (window && !tree_.Exists(window)) return nullptr;
  const HWND previous = focus_;
  if (window == previous) return previous;
  focus_ = window;
  if (previous && tree_.Exists(previous)) Send(previous, WM_KILLFOCUS, WPARAM(NumberOfHandle(window)), 0);
  if (window && focus_ == window) Send(window, WM_SETFOCUS, WPARAM(NumberOfHandle(previous)), 0);
  return previous;
}

HWND Desktop::SetCapture(HWND window) {
  const HWND previous = capture_;
  capture_ = tree_.Exists(window) ? window : nullptr;
  if (previous && previous != capture_ && tree_.Exists(previous))
    Send(previous, WM_CAPTURECHANGED, 0, LParamFromHwnd(capture_));
  return previous;
}

void Desktop::ReleaseCapture() {
  const HWND previous = capture_;
  capture_ = nullptr;
  if (previous && tree_.Exists(previous)) Send(previous, WM_CAPTURECHANGED, 0, 0);
}

LRESULT Desktop::Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!OnWindowThread()) {
    char line[80];
    std::snprintf(line, sizeof line, "SendMessage(0x%04x) from a background thread refused; post instead", message);
    debug_.WriteLine(line);
    return 0;
  }
  const WindowRecord* record = tree_.Find(window);
  if (!record) return 0;
  if (record->subclass) return record->subclass->HandleMessage(window, message, wParam, lParam);
  // Held here so that a procedure survives its window's destruction by its own handler.
  const std::shared_ptr<WindowProcedure> procedure = record->classProcedure;
  if (procedure) return procedure->HandleMessage(window, message, wParam, lParam);
  return DefWindowProc(window, message, wParam, lParam);
}

bool Desktop::Post(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // The tree belongs to the window thread; a post from elsewhere is checked
  // when it is taken instead.
  if (OnWindowThread() && window && !tree_.Exists(window)) return false;
  MSG posted;
  posted.hwnd = window;
  posted.message = message;
  posted.wParam = wParam;
  posted.lParam = lParam;
  posted.time = Now();
  posted.pt = OnWindowThread() ? input_.StylusPosition() : POINT{};
  queue_.Post(posted);
  return true;
}

bool Desktop::GetMessage(MSG& message) {
  const bool more = TakeMessage(message);
  messageExtraInfo_ = message.extraInfo;
  return more;
}

bool Desktop::TakeMessage(MSG& message) {
  for (;;) {
    if (quitCode_) {
      message = MSG{};
      message.message = WM_QUIT;
      message.wParam = WPARAM(*quitCode_);
      return false;
    }
    if (auto posted = queue_.TakePosted()) {
      if (posted->hwnd && !tree_.Exists(posted->hwnd)) continue;
      message = *posted;
      return true;
    }
    if (auto raw = queue_.TakeInput()) {
      if (!input_.Resolve(*raw, message)) continue;
      return true;
    }
    if (const HWND window = compositor_.NextWindowToPaint()) {
      message = MSG{};
      message.hwnd = window;
      message.message = WM_PAINT;
      message.time = Now();
      return true;
    }
    if (auto timer = timers_.TakeDue(Now())) {
      message = *timer;
      return true;
    }
    WaitForInput(timers_.NextDue());
  }
}

LRESULT Desktop::Dispatch(const MSG& message) {
  if (!message.hwnd) return 0;
  const bool paint = message.message == WM_PAINT;
  if (paint) {
    if (WindowRecord* record = tree_.Find(message.hwnd)) record->beganPaint = false;
  }
  const LRESULT result = Send(message.hwnd, message.message, message.wParam, message.lParam);
  // A paint handler that never began painting would otherwise be asked to
  // paint for ever.
  if (paint) {
    const WindowRecord* record = tree_.Find(message.hwnd);
    if (record && !record->beganPaint) compositor_.Validate(message.hwnd);
  }
  return result;
}

void Desktop::WaitForInput(std::optional<DWORD> deadline) {
  if (compositor_.Changed()) backend_.Present(ShownScreen());
  backend_.WaitForInput(*this, deadline);
}

void Desktop::SetDisplayFilterLevel(UINT level) {
  if (level == displayFilter_.Level()) return;
  displayFilter_.SetLevel(level);
  compositor_.MarkChanged();
}

void Desktop::Quit(int exitCode) {
  if (!quitCode_) quitCode_ = exitCode;
  queue_.Post(MSG{});  // wakes a backend waiting for events
}

const CBrush& Desktop::SystemBrush(int colorIndex) {
  const UINT scheme = ColourScheme();
  auto& brush = systemBrushes_[{scheme, colorIndex}];
  if (!brush) brush = std::make_unique<CBrush>(SystemColour(colorIndex, scheme));
  return *brush;
}

void Desktop::SetColourScheme(UINT scheme) {
  if (scheme == ColourScheme()) return;
  colourScheme_.store(scheme, std::memory_order_relaxed);
  std::vector<HWND> windows;
  for (HWND top : tree_.TopLevelWindows()) tree_.CollectBottomUp(top, windows);
  // A window may close another while it hears of the change.
  for (HWND window : windows)
    if (tree_.Exists(window)) Send(window, WM_SYSCOLORCHANGE, 0, 0);
  for (HWND window : windows)
    if (tree_.Exists(window)) InvalidateRect(window, nullptr, TRUE);
}
