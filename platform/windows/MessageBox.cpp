#include "platform/windows/MessageBox.h"

#include <algorithm>
#include <memory>

#include "platform/windows/Desktop.h"
#include "platform/windows/DumpValue.h"
#include "platform/windows/MessageApi.h"
#include "platform/windows/ModalLoop.h"
#include "platform/windows/WindowApi.h"
#include "platform/windows/WindowDC.h"

namespace {

// Sizes at 96 dpi; doubled on large screens.
constexpr LONG kMargin = 8;
constexpr LONG kPadding = 6;
constexpr LONG kCaptionHeight = 18;
constexpr LONG kButtonWidth = 56;
constexpr LONG kButtonHeight = 20;

class MessageBoxWindow final : public WindowProcedure {
 public:
  MessageBoxWindow(WideString caption, LONG scale) : caption_(std::move(caption)), scale_(scale) {}

  bool Closed() const { return closed_; }

  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) closed_ = true;
        return 0;
      case WM_ERASEBKGND:
        return 1;  // the paint covers everything
      case WM_PAINT:
        Paint(window);
        return 0;
      default:
        return DefWindowProc(window, message, wParam, lParam);
    }
  }

  void DescribeForDump(HWND, DumpObject& fields) const override { fields.Set("caption", caption_); }

 private:
  void Paint(HWND window) {
    PaintDC dc(window);
    RECT client;
    GetClientRect(window, &client);
    dc.FillSolidRect(&client, GetSysColor(COLOR_WINDOW));
    CBrush frame(GetSysColor(COLOR_WINDOWFRAME));
    dc.FrameRect(&client, &frame);

    RECT caption{0, 0, client.right, kCaptionHeight * scale_};
    dc.FillSolidRect(&caption, GetSysColor(COLOR_HIGHLIGHT));
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(GetSysColor(COLOR_HIGHLIGHTTEXT));
    RECT captionText = caption;
    captionText.left += kPadding * scale_;
    dc.DrawText(caption_, &captionText, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);

    dc.SetTextColor(GetSysColor(COLOR_WINDOWTEXT));
    RECT body{kPadding * scale_, caption.bottom + kPadding * scale_, client.right - kPadding * scale_,
              client.bottom - (kButtonHeight + 2 * kPadding) * scale_};
    dc.DrawText(GetWindowTextString(window), &body, DT_WORDBREAK | DT_NOPREFIX);
  }

  WideString caption_;
  LONG scale_;
  bool closed_ = false;
};

// The box's OK button: pressed by a tap that starts and ends on it.
class OkButton final : public WindowProcedure {
 public:
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_GETDLGCODE:
        return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
      case WM_LBUTTONDOWN:
      case WM_LBUTTONDBLCLK:
        SetPressed(window, true);
        SetCapture(window);
        return 0;
      case WM_LBUTTONUP: {
        const bool click = pressed_ && Inside(window, PointFromLParam(lParam));
        SetPressed(window, false);
        ReleaseCapture();
        if (click)
          SendMessage(GetParent(window), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), LParamFromHwnd(window));
        return 0;
      }
      case WM_CAPTURECHANGED:
        SetPressed(window, false);
        return 0;
      case WM_ERASEBKGND:
        return 1;
      case WM_PAINT:
        Paint(window);
        return 0;
      default:
        return DefWindowProc(window, message, wParam, lParam);
    }
  }

 private:
  static bool Inside(HWND window, POINT point) {
    RECT client;
    GetClientRect(window, &client);
    return client.Contains(point);
  }

  void SetPressed(HWND window, bool pressed) {
    if (pressed_ == pressed) return;
    pressed_ = pressed;
    InvalidateRect(window, nullptr, FALSE);
  }

  void Paint(HWND window) {
    PaintDC dc(window);
    RECT client;
    GetClientRect(window, &client);
    dc.FillSolidRect(&client, pressed_ ? GetSysColor(COLOR_BTNSHADOW) : GetSysColor(COLOR_BTNFACE));
    CBrush frame(GetSysColor(COLOR_WINDOWFRAME));
    dc.FrameRect(&client, &frame);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(GetSysColor(COLOR_BTNTEXT));
    dc.DrawText(GetWindowTextString(window), &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  }

  bool pressed_ = false;
};

// The height the text needs at `width` pixels, in the default font.
LONG MeasureText(Desktop& desktop, std::u16string_view text, LONG width) {
  Surface scratch(1, 1, 32);
  CDC measure(scratch, {}, {}, &desktop.Fonts());
  RECT area{0, 0, width, 0};
  measure.DrawText(text, &area, DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT);
  return area.Height();
}

}  // namespace

int MessageBox(HWND owner, std::u16string_view text, std::u16string_view caption, UINT /*type*/) {
  Desktop* desktop = Desktop::Current();
  if (!desktop || !desktop->OnWindowThread() || desktop->QuitRequested()) return 0;
  const LONG scale = desktop->LogicalDpi() / 96;
  const LONG screenWidth = desktop->Profile().width;
  const LONG screenHeight = desktop->Profile().height;

  const LONG width = std::max<LONG>(screenWidth - 2 * kMargin * scale, (kButtonWidth + 2 * kPadding) * scale);
  const LONG textHeight = MeasureText(*desktop, text, width - 2 * kPadding * scale);
  const LONG height = std::min<LONG>(
      screenHeight, (kCaptionHeight + 4 * kPadding + kButtonHeight) * scale + textHeight);
  const LONG left = (screenWidth - width) / 2;
  const LONG top = std::max<LONG>(0, (screenHeight - height) / 2);

  ModalOwnerLock ownerLock(desktop->Tree().TopLevelOf(owner));
  auto box = std::make_shared<MessageBoxWindow>(WideString(caption), scale);
  WindowCreation creation;
  creation.className = WideString(kMessageBoxClass);
  creation.text = WideString(text);
  creation.style = WS_POPUP | WS_VISIBLE;
  creation.rect = {left, top, left + width, top + height};
  creation.parent = owner;
  const HWND window = desktop->CreateWindow(creation, nullptr, box);
  if (!window) return 0;

  WindowCreation button;
  button.className = u"Button";
  button.text = u"OK";
  button.style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON;
  const LONG buttonLeft = (width - kButtonWidth * scale) / 2;
  const LONG buttonTop = height - (kButtonHeight + kPadding) * scale;
  button.rect = {buttonLeft, buttonTop, buttonLeft + kButtonWidth * scale, buttonTop + kButtonHeight * scale};
  button.parent = window;
  button.controlId = IDOK;
  desktop->CreateWindow(button, nullptr, std::make_shared<OkButton>());

  const bool ended = RunModalLoop([&] { return box->Closed() || !IsWindow(window); },
                                  [&](MSG& message) { return IsDialogMessage(window, &message) != FALSE; });
  ownerLock.Release();
  DestroyWindow(window);
  return ended ? IDOK : 0;
}
