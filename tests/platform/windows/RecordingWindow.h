#pragma once
// A window procedure that records the messages it gets, for tests.

#include <memory>
#include <vector>

#include "platform/windows/Desktop.h"
#include "platform/windows/WindowApi.h"
#include "platform/windows/WindowDC.h"

struct RecordedMessage {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

class RecordingWindow : public WindowProcedure {
 public:
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
    messages.push_back({message, wParam, lParam});
    if (message == WM_PAINT) {
      PaintDC dc(window);
      lastPaint = dc.PaintRect();
      if (fill) {
        RECT client;
        GetClientRect(window, &client);
        dc.FillSolidRect(&client, *fill);
      }
      return 0;
    }
    return DefWindowProc(window, message, wParam, lParam);
  }

  int Count(UINT message) const {
    int n = 0;
    for (const auto& m : messages) n += m.message == message;
    return n;
  }
  std::vector<RecordedMessage> Of(UINT message) const {
    std::vector<RecordedMessage> out;
    for (const auto& m : messages)
      if (m.message == message) out.push_back(m);
    return out;
  }

  std::vector<RecordedMessage> messages;
  RECT lastPaint{};
  std::optional<COLORREF> fill;
};

// Registers the class "Recording", whose windows record with a new T each,
// kept in `created` in the order the windows are made.
template <class T = RecordingWindow>
void RegisterRecordingClass(Desktop& desktop, std::vector<std::shared_ptr<T>>& created, bool doubleClicks = false) {
  WindowClass recordingClass;
  recordingClass.name = u"Recording";
  recordingClass.doubleClicks = doubleClicks;
  recordingClass.createProcedure = [&created] {
    auto recorder = std::make_shared<T>();
    created.push_back(recorder);
    return recorder;
  };
  desktop.Classes().Register(std::move(recordingClass));
}
