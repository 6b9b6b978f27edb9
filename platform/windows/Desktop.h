#pragma once
// The emulated device: its screen, clock, keys, windows and message queue.
// One Desktop exists while the platform runs; it makes itself current for its
// lifetime so that the device's free functions (PostMessage, GetTickCount,
// GetSystemMetrics...) reach it, as the device's reach its one window system.
// Everything but posting, the clock, key state and the device facts belongs
// to the window thread, the thread that created the Desktop.

#include <atomic>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/FontEngine.h"
#include "platform/windows/Backend.h"
#include "platform/windows/BackgroundWork.h"
#include "platform/windows/Clock.h"
#include "platform/windows/TimerTable.h"
#include "platform/windows/Compositor.h"
#include "platform/windows/DisplayFilter.h"
#include "platform/windows/DebugOutput.h"
#include "platform/windows/InputRouter.h"
#include "platform/windows/MenuStore.h"
#include "platform/windows/MessageQueue.h"
#include "platform/windows/SystemColours.h"
#include "platform/windows/WindowClasses.h"
#include "platform/windows/WindowTree.h"

struct DeviceProfile {
  LONG width = 480;
  LONG height = 640;
  int bitsPerPixel = 32;
  WideString platformType = u"PocketPC";
  // What GetModuleFileName reports: the running executable.
  std::string modulePath;
};

// The arguments of CreateWindowEx.
struct WindowCreation {
  WideString className;
  WideString text;
  DWORD style = 0;
  DWORD exStyle = 0;
  RECT rect{};  // parent client coordinates, or screen pixels for a top-level window
  HWND parent = nullptr;  // the parent of a child, the owner of a top-level window
  UINT controlId = 0;
  void* createParams = nullptr;
};

class Desktop {
 public:
  Desktop(DeviceProfile profile, Clock& clock, Backend& backend);
  ~Desktop();
  Desktop(const Desktop&) = delete;
  Desktop& operator=(const Desktop&) = delete;

  // The running desktop, or null when none exists.
  static Desktop* Current();

  const DeviceProfile& Profile() const { return profile_; }
  // 96 on small screens, 192 from 480 pixels wide: the font sizes that give
  // the dialog units of the templates.
  int LogicalDpi() const { return profile_.width >= 480 ? 192 : 96; }
  DWORD Now() const { return clock_.Now(); }
  std::int64_t UtcMilliseconds() const { return clock_.UtcMilliseconds(); }
  bool OnWindowThread() const { return std::this_thread::get_id() == windowThread_; }

  WindowTree& Tree() { return tree_; }
  const WindowTree& Tree() const { return tree_; }
  WindowClasses& Classes() { return classes_; }
  MessageQueue& Queue() { return queue_; }
  InputRouter& Input() { return input_; }
  Compositor& Screen() { return compositor_; }
  // The screen as the display shows it: composed, then through the display
  // filter when one is set.
  const Surface& ShownScreen() { return displayFilter_.Apply(compositor_.Compose()); }
  UINT DisplayFilterLevel() const { return displayFilter_.Level(); }
  // Window thread only; the screen is presented again.
  void SetDisplayFilterLevel(UINT level);
  BackgroundWork& Background() { return background_; }
  FontEngine& Fonts() { return fonts_; }
  MenuStore& Menus() { return menus_; }
  const MenuStore& Menus() const { return menus_; }
  Backend& GetBackend() { return backend_; }
  DebugOutput& Debug() { return debug_; }

  // Windows. `subclass` (not owned) sees the window's messages from the
  // first one on; `procedure` replaces the class's own procedure.
  HWND CreateWindow(const WindowCreation& creation, WindowProcedure* subclass = nullptr,
                    std::shared_ptr<WindowProcedure> procedure = nullptr);
  bool DestroyWindow(HWND window);
  bool ShowWindow(HWND window, bool show);
  bool MoveWindow(HWND window, const RECT& rect, bool repaint);
  bool EnableWindow(HWND window, bool enable);
  // Raises a top-level window above the others.
  void BringToTop(HWND window);

  HWND SetFocus(HWND window);
  HWND Focus() const { return focus_; }
  HWND ActiveWindow() const { return active_; }
  HWND SetCapture(HWND window);
  void ReleaseCapture();
  HWND Capture() const { return capture_; }

  // Messages.
  LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // Any thread. False for a window that does not exist.
  bool Post(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // Waits for the next message; false once the program is to quit.
  bool GetMessage(MSG& message);
  LRESULT Dispatch(const MSG& message);
  // The extraInfo of the message GetMessage answered last.
  LPARAM MessageExtraInfo() const { return messageExtraInfo_; }
  // Lets the backend deliver input or time; returns when there may be more to do.
  void WaitForInput(std::optional<DWORD> deadline = std::nullopt);
  TimerTable& Timers() { return timers_; }

  // Ends every message loop: GetMessage answers false from now on.
  void Quit(int exitCode);
  bool QuitRequested() const { return quitCode_.has_value(); }
  int QuitCode() const { return quitCode_.value_or(0); }

  // The brush of a system colour in the current scheme. Brushes of both
  // schemes live as long as the desktop, so a handle given out before a
  // switch stays valid.
  const CBrush& SystemBrush(int colorIndex);
  UINT ColourScheme() const { return colourScheme_.load(std::memory_order_relaxed); }
  // Tells every window of the new scheme (WM_SYSCOLORCHANGE), then has it
  // repainted with its background erased. Window thread only.
  void SetColourScheme(UINT scheme);
  int BeepCount() const { return beeps_; }
  void Beep() { ++beeps_; }

  // Makes the topmost shown and enabled top-level window the active one,
  // telling the old and the new one with WM_ACTIVATE.
  void UpdateActiveWindow();

 private:
  // GetMessage's work, apart from remembering the message's extra information.
  bool TakeMessage(MSG& message);
  void SendDestroy(HWND window);
  void FinishDestroy(HWND window);
  // The parent repaints where a child was, or the area of a changed top-level window.
  void ExposeArea(HWND window);

  DeviceProfile profile_;
  Clock& clock_;
  TimerTable timers_;
  Backend& backend_;
  std::thread::id windowThread_;
  WindowTree tree_;
  WindowClasses classes_;
  MessageQueue queue_;
  InputRouter input_;
  LPARAM messageExtraInfo_ = 0;
  Compositor compositor_;
  DisplayFilter displayFilter_;
  FontEngine fonts_;
  MenuStore menus_;
  DebugOutput debug_;
  std::map<std::pair<UINT, int>, std::unique_ptr<CBrush>> systemBrushes_;
  // Read by GetSysColor, which any thread may call.
  std::atomic<UINT> colourScheme_{SYSCOLORSCHEME_DAY};

  HWND focus_ = nullptr;
  HWND active_ = nullptr;
  HWND capture_ = nullptr;
  std::optional<int> quitCode_;
  int beeps_ = 0;

  // Last, so its threads are joined before anything they post to goes away.
  BackgroundWork background_;
};
