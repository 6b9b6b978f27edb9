#include "platform/windows/MessageBox.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <span>

#include "platform/windows/Desktop.h"
#include "platform/windows/DumpValue.h"
#include "platform/windows/MessageBoxIcons.h"
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
constexpr LONG kIconSize = 24;

struct StandardButton {
  int id;
  std::u16string_view label;  // '&' marks the access key
};

constexpr StandardButton kOk{IDOK, u"OK"};
constexpr StandardButton kCancel{IDCANCEL, u"Cancel"};
constexpr StandardButton kYes{IDYES, u"&Yes"};
constexpr StandardButton kNo{IDNO, u"&No"};
constexpr StandardButton kRetry{IDRETRY, u"&Retry"};
constexpr StandardButton kAbort{IDABORT, u"&Abort"};
constexpr StandardButton kIgnore{IDIGNORE, u"&Ignore"};

constexpr StandardButton kOkSet[] = {kOk};
constexpr StandardButton kOkCancelSet[] = {kOk, kCancel};
constexpr StandardButton kAbortRetryIgnoreSet[] = {kAbort, kRetry, kIgnore};
constexpr StandardButton kYesNoCancelSet[] = {kYes, kNo, kCancel};
constexpr StandardButton kYesNoSet[] = {kYes, kNo};
constexpr StandardButton kRetryCancelSet[] = {kRetry, kCancel};

std::span<const StandardButton> ButtonSetFor(UINT type) {
  switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL: return kOkCancelSet;
    case MB_ABORTRETRYIGNORE: return kAbortRetryIgnoreSet;
    case MB_YESNOCANCEL: return kYesNoCancelSet;
    case MB_YESNO: return kYesNoSet;
    case MB_RETRYCANCEL: return kRetryCancelSet;
    default: return kOkSet;
  }
}

std::size_t DefaultButtonFor(UINT type, std::size_t count) {
  const std::size_t wanted = (type & MB_DEFMASK) == MB_DEFBUTTON3 ? 2 : (type & MB_DEFMASK) == MB_DEFBUTTON2 ? 1 : 0;
  return wanted < count ? wanted : 0;
}

// The virtual key of a label's access key (upper case), or 0.
UINT AccessKeyOf(std::u16string_view label) {
  const std::size_t amp = label.find(u'&');
  if (amp == std::u16string_view::npos || amp + 1 >= label.size()) return 0;
  const char16_t c = label[amp + 1];
  return c >= u'a' && c <= u'z' ? UINT(c - u'a' + u'A') : UINT(c);
}

std::u16string ShownLabel(std::u16string_view label) {
  std::u16string shown;
  for (char16_t c : label)
    if (c != u'&') shown.push_back(c);
  return shown;
}

class MessageBoxWindow final : public WindowProcedure {
 public:
  MessageBoxWindow(WideString caption, LONG scale, std::optional<MessageBoxIcon> icon,
                   std::span<const StandardButton> buttons, std::size_t defaultButton)
      : caption_(std::move(caption)), scale_(scale), icon_(icon), buttons_(buttons), default_(defaultButton) {}

  std::optional<int> Result() const { return result_; }

  // A button's id, an access key's or Escape's IDCANCEL: the answer, if the box has it.
  void Press(int id) {
    const bool hasCancel = std::ranges::any_of(buttons_, [](const StandardButton& b) { return b.id == IDCANCEL; });
    // A box with OK alone is dismissed by Escape, as its OK.
    if (id == IDCANCEL && !hasCancel && buttons_.size() == 1 && buttons_[0].id == IDOK) id = IDOK;
    if (std::ranges::any_of(buttons_, [id](const StandardButton& b) { return b.id == id; })) result_ = id;
  }

  // True when the key pressed a button by its access key.
  bool PressAccessKey(UINT key) {
    for (const StandardButton& button : buttons_)
      if (const UINT access = AccessKeyOf(button.label); access && access == key) {
        Press(button.id);
        return true;
      }
    return false;
  }

  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_COMMAND:
        Press(LOWORD(wParam));
        return 0;
      case DM_GETDEFID:
        return LRESULT(MAKELONG(WORD(buttons_[default_].id), DC_HASDEFID));
      case WM_ERASEBKGND:
        return 1;  // the paint covers everything
      case WM_PAINT:
        Paint(window);
        return 0;
      default:
        return DefWindowProc(window, message, wParam, lParam);
    }
  }

  void DescribeForDump(HWND, DumpObject& fields) const override {
    fields.Set("caption", caption_);
    fields.Set("icon", icon_ ? std::string(MessageBoxIconName(*icon_)) : std::string("none"));
    DumpArray buttons;
    for (const StandardButton& button : buttons_) buttons.push_back(ShownLabel(button.label));
    fields.Set("buttons", std::move(buttons));
    fields.Set("defaultButton", buttons_[default_].id);
  }

  // The top-left corner of the icon and of the text, in client coordinates.
  POINT IconCorner() const { return {kPadding * scale_, (kCaptionHeight + kPadding) * scale_}; }
  LONG TextLeft() const { return (kPadding + (icon_ ? kIconSize + kPadding : 0)) * scale_; }

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

    if (icon_) DrawMessageBoxIcon(dc, *icon_, IconCorner().x, IconCorner().y, kIconSize * scale_);
    dc.SetTextColor(GetSysColor(COLOR_WINDOWTEXT));
    RECT body{TextLeft(), caption.bottom + kPadding * scale_, client.right - kPadding * scale_,
              client.bottom - (kButtonHeight + 2 * kPadding) * scale_};
    dc.DrawText(GetWindowTextString(window), &body, DT_WORDBREAK | DT_NOPREFIX);
  }

  WideString caption_;
  LONG scale_;
  std::optional<MessageBoxIcon> icon_;
  std::span<const StandardButton> buttons_;
  std::size_t default_;
  std::optional<int> result_;
};

// A button of the box: pressed by a tap that starts and ends on it, or by
// Enter while it has the focus, which its thicker frame shows.
class BoxButton final : public WindowProcedure {
 public:
  explicit BoxButton(LONG scale) : scale_(scale) {}

  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_GETDLGCODE:
        return DLGC_BUTTON | ((GetWindowLong(window, GWL_STYLE) & BS_DEFPUSHBUTTON) == BS_DEFPUSHBUTTON
                                  ? DLGC_DEFPUSHBUTTON
                                  : DLGC_UNDEFPUSHBUTTON);
      case WM_SETFOCUS:
      case WM_KILLFOCUS:
        InvalidateRect(window, nullptr, FALSE);
        return 0;
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
          SendMessage(GetParent(window), WM_COMMAND, MAKEWPARAM(WORD(GetDlgCtrlID(window)), BN_CLICKED),
                      LParamFromHwnd(window));
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
    if (GetFocus() == window) {
      RECT inner{client.left + scale_, client.top + scale_, client.right - scale_, client.bottom - scale_};
      dc.FrameRect(&inner, &frame);
    }
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(GetSysColor(COLOR_BTNTEXT));
    dc.DrawText(GetWindowTextString(window), &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }

  LONG scale_;
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

int MessageBox(HWND owner, std::u16string_view text, std::u16string_view caption, UINT type) {
  Desktop* desktop = Desktop::Current();
  if (!desktop || !desktop->OnWindowThread() || desktop->QuitRequested()) return 0;
  const LONG scale = desktop->LogicalDpi() / 96;
  const LONG screenWidth = desktop->Profile().width;
  const LONG screenHeight = desktop->Profile().height;
  const std::optional<MessageBoxIcon> icon = MessageBoxIconFor(type);
  const std::span<const StandardButton> buttons = ButtonSetFor(type);
  const std::size_t defaultButton = DefaultButtonFor(type, buttons.size());
  auto box = std::make_shared<MessageBoxWindow>(WideString(caption), scale, icon, buttons, defaultButton);

  // As wide as the screen allows; the text wraps beside the icon, and the
  // box grows down to the screen's height.
  const LONG width = std::max<LONG>(screenWidth - 2 * kMargin * scale, (kButtonWidth + 2 * kPadding) * scale);
  const LONG textHeight = MeasureText(*desktop, text, width - box->TextLeft() - kPadding * scale);
  const LONG bodyHeight = std::max(textHeight, icon ? kIconSize * scale : 0);
  const LONG height = std::min<LONG>(screenHeight, (kCaptionHeight + 4 * kPadding + kButtonHeight) * scale + bodyHeight);
  const LONG left = (screenWidth - width) / 2;
  const LONG top = std::max<LONG>(0, (screenHeight - height) / 2);

  ModalOwnerLock ownerLock(desktop->Tree().TopLevelOf(owner));
  WindowCreation creation;
  creation.className = WideString(kMessageBoxClass);
  creation.text = WideString(text);
  creation.style = WS_POPUP | WS_VISIBLE;
  creation.rect = {left, top, left + width, top + height};
  creation.parent = owner;
  const HWND window = desktop->CreateWindow(creation, nullptr, box);
  if (!window) return 0;

  // The buttons share the row, centred, narrower where the screen is.
  const LONG count = LONG(buttons.size());
  const LONG gap = kPadding * scale;
  const LONG buttonWidth = std::min(kButtonWidth * scale, (width - 2 * kPadding * scale - (count - 1) * gap) / count);
  const LONG rowWidth = count * buttonWidth + (count - 1) * gap;
  const LONG buttonTop = height - (kButtonHeight + kPadding) * scale;
  HWND focus = nullptr;
  for (LONG i = 0; i < count; ++i) {
    const StandardButton& standard = buttons[std::size_t(i)];
    const bool isDefault = std::size_t(i) == defaultButton;
    WindowCreation button;
    button.className = u"Button";
    button.text = WideString(standard.label);
    button.style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
    const LONG buttonLeft = (width - rowWidth) / 2 + i * (buttonWidth + gap);
    button.rect = {buttonLeft, buttonTop, buttonLeft + buttonWidth, buttonTop + kButtonHeight * scale};
    button.parent = window;
    button.controlId = standard.id;
    const HWND created = desktop->CreateWindow(button, nullptr, std::make_shared<BoxButton>(scale));
    if (isDefault) focus = created;
  }
  if (focus) SetFocus(focus);

  const bool ended = RunModalLoop([&] { return box->Result().has_value() || !IsWindow(window); },
                                  [&](MSG& message) {
                                    if (message.message == WM_KEYDOWN && box->PressAccessKey(UINT(message.wParam)))
                                      return true;
                                    return IsDialogMessage(window, &message) != FALSE;
                                  });
  ownerLock.Release();
  DestroyWindow(window);
  return ended ? box->Result().value_or(0) : 0;
}
