#pragma once
// A window procedure that records the messages it gets, for tests.

#include <vector>

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
