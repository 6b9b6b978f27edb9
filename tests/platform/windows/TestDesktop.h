#pragma once
// A desktop for tests: a virtual clock and a backend that plays the test's
// steps, one each time the window thread runs out of work. When the steps
// are used up the backend ends the program (exit code 99), so a test whose
// dialog never closes fails instead of hanging.

#include <deque>
#include <functional>
#include <initializer_list>

#include "platform/windows/Desktop.h"
#include "platform/windows/MessageApi.h"
#include "platform/windows/VirtualKeys.h"

class StepBackend final : public Backend {
 public:
  using Step = std::function<void(Desktop&)>;

  void Add(Step step) { steps_.push_back(std::move(step)); }
  std::size_t Remaining() const { return steps_.size(); }
  int Presents() const { return presents_; }

  void WaitForInput(Desktop& desktop, std::optional<DWORD>) override {
    if (desktop.Queue().BackgroundWorkPending()) {
      desktop.Queue().WaitForChange(desktop.Queue().Generation());
      return;
    }
    if (steps_.empty()) {
      desktop.Quit(99);
      return;
    }
    Step step = std::move(steps_.front());
    steps_.pop_front();
    step(desktop);
  }
  void Wake() override {}
  void Present(const Surface&) override { ++presents_; }

 private:
  std::deque<Step> steps_;
  int presents_ = 0;
};

struct TestDesktop {
  explicit TestDesktop(DeviceProfile profile = DefaultProfile()) : desktop(std::move(profile), clock, backend) {}

  static DeviceProfile DefaultProfile() {
    DeviceProfile profile;
    profile.width = 240;
    profile.height = 320;
    profile.modulePath = "/opt/device/Vespera";
    return profile;
  }

  // Steps that tap, press a key or let time pass once the program waits.
  void Tap(POINT p) {
    backend.Add([p](Desktop& d) {
      d.Input().StylusDown(p);
      d.Input().StylusUp(p);
    });
  }
  void Key(UINT key) {
    backend.Add([key](Desktop& d) {
      d.Input().KeyDown(key);
      d.Input().KeyUp(key);
    });
  }
  void Sleep(DWORD ms) {
    backend.Add([this, ms](Desktop&) { clock.Advance(ms); });
  }
  void Then(StepBackend::Step step) { backend.Add(std::move(step)); }
  // Keys one after the other, with Shift held through them when asked.
  void Keys(std::initializer_list<UINT> keys, bool shift = false) {
    if (shift) Then([](Desktop& d) { d.Input().KeyDown(VK_SHIFT); });
    for (UINT key : keys) Key(key);
    if (shift) Then([](Desktop& d) { d.Input().KeyUp(VK_SHIFT); });
  }

  // Runs messages until the program has nothing left to do and no step remains.
  void RunUntilIdle() {
    backend.Add([](Desktop& d) { d.Post(nullptr, kStopMessage, 0, 0); });
    MSG message;
    while (desktop.GetMessage(message) && message.message != kStopMessage) desktop.Dispatch(message);
  }
  // The same with the dialog keys taken first, as a dialog's own loop does.
  void RunDialogUntilIdle(HWND dialog) {
    backend.Add([](Desktop& d) { d.Post(nullptr, kStopMessage, 0, 0); });
    MSG message;
    while (desktop.GetMessage(message) && message.message != kStopMessage) {
      if (IsDialogMessage(dialog, &message)) continue;
      TranslateMessage(&message);
      desktop.Dispatch(message);
    }
  }
  static constexpr UINT kStopMessage = WM_USER + 0x7FFF;

  VirtualClock clock;
  StepBackend backend;
  Desktop desktop;
};
