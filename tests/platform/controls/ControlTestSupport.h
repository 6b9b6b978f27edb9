#pragma once
// Controls on a recording parent window of a 240 x 320 test desktop with the
// standard classes registered. Run() plays the queued steps with the dialog
// keys in the loop (IsDialogMessage before dispatch), as a dialog's modal
// loop does. The parent keeps the state of every WM_DRAWITEM it gets, and
// can answer colour requests with a brush and DM_GETDEFID with an id.

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "platform/controls/ControlMessages.h"
#include "platform/framework/StandardClasses.h"
#include "platform/windows/MessageApi.h"
#include "platform/windows/WindowApi.h"
#include "tests/platform/windows/RecordingWindow.h"
#include "tests/platform/windows/TestDesktop.h"

class ControlParent final : public RecordingWindow {
 public:
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_DRAWITEM) drawnStates.push_back(PointerFromLParam<DRAWITEMSTRUCT>(lParam)->itemState);
    if (message == DM_GETDEFID && defaultId) {
      RecordingWindow::HandleMessage(window, message, wParam, lParam);
      return MAKELONG(WORD(*defaultId), DC_HASDEFID);
    }
    if (const auto brush = brushes.find(message); brush != brushes.end()) {
      RecordingWindow::HandleMessage(window, message, wParam, lParam);
      return LResultFromBrush(&brush->second);
    }
    return RecordingWindow::HandleMessage(window, message, wParam, lParam);
  }

  std::vector<UINT> drawnStates;
  std::optional<int> defaultId;
  std::map<UINT, CBrush> brushes;  // WM_CTLCOLOR... message -> the brush it answers
};

struct ControlsFixture : ::testing::Test {
  explicit ControlsFixture(DeviceProfile profile = TestDesktop::DefaultProfile()) : test(std::move(profile)) {
    RegisterStandardWindowClasses(test.desktop);
    WindowClass recording;
    recording.name = u"Recording";
    recording.background = RGB(255, 255, 255);
    recording.createProcedure = [this] { return recorder; };
    test.desktop.Classes().Register(std::move(recording));
    parent = CreateWindowEx(0, u"Recording", u"", WS_POPUP | WS_VISIBLE, 0, 0, test.desktop.Profile().width,
                            test.desktop.Profile().height, nullptr, 0, nullptr, nullptr);
  }

  HWND Create(std::u16string_view className, std::u16string_view text, DWORD style, RECT r, UINT id) {
    return CreateWindowEx(0, className, text, style | WS_CHILD | WS_VISIBLE, r.left, r.top, r.Width(),
                          r.Height(), parent, id, nullptr, nullptr);
  }

  void Run() { test.RunDialogUntilIdle(parent); }

  // Keys pressed one after the other, with Shift held for those asked.
  void Keys(std::initializer_list<UINT> keys, bool shift = false) { test.Keys(keys, shift); }
  void Type(std::u16string_view text) {
    test.Then([text = WideString(text)](Desktop& d) {
      for (char16_t c : text) d.Input().Character(c);
    });
  }
  // A tap at a point in the control's client coordinates.
  void TapIn(HWND control, POINT point) {
    ClientToScreen(control, &point);
    test.Tap(point);
  }

  // The codes of the WM_COMMAND notifications the parent got from control `id`.
  std::vector<UINT> Notifications(UINT id) const {
    std::vector<UINT> codes;
    for (const RecordedMessage& m : recorder->Of(WM_COMMAND))
      if (LOWORD(m.wParam) == id) codes.push_back(HIWORD(m.wParam));
    return codes;
  }
  int Count(UINT id, UINT code) const {
    int n = 0;
    for (UINT c : Notifications(id)) n += c == code;
    return n;
  }

  COLORREF Pixel(LONG x, LONG y) { return test.desktop.Screen().Compose().GetPixel(x, y); }

  TestDesktop test;
  std::shared_ptr<ControlParent> recorder = std::make_shared<ControlParent>();
  HWND parent = nullptr;
};
