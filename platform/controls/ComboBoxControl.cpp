#include "platform/controls/ComboBoxControl.h"

#include <algorithm>

#include "platform/controls/ComboDropList.h"
#include "platform/controls/ControlSupport.h"
#include "platform/windows/Desktop.h"
#include "platform/windows/DumpValue.h"
#include "platform/windows/MessageApi.h"
#include "platform/windows/SystemApi.h"
#include "platform/windows/VirtualKeys.h"
#include "platform/windows/WindowApi.h"
#include "platform/windows/WindowDC.h"

namespace {

constexpr LONG kTextMargin = 2;    // at 96 dpi, inside the frame
constexpr LONG kItemPadding = 4;   // added to the line height of a list row
constexpr UINT kF4 = 0x73;          // drops or closes the list, as on the device

}  // namespace

ComboBoxControl::ComboBoxControl() = default;

// The list goes with WM_DESTROY, before the window's procedure is released.
ComboBoxControl::~ComboBoxControl() = default;

ComboBoxControl* ComboBoxControl::Of(HWND window) {
  Desktop* desktop = Desktop::Current();
  const WindowRecord* record = desktop ? desktop->Tree().Find(window) : nullptr;
  return record ? dynamic_cast<ComboBoxControl*>(record->classProcedure.get()) : nullptr;
}

LONG ComboBoxControl::FieldHeight(HWND window) const {
  return ControlTextMeasure(window).LineHeight() + 2 * (1 + kTextMargin) * ControlScale();
}

LONG ComboBoxControl::ItemHeight(HWND window) const {
  return ControlTextMeasure(window).LineHeight() + kItemPadding * ControlScale();
}

void ComboBoxControl::FitToField(HWND window) {
  Desktop* desktop = Desktop::Current();
  const WindowRecord* record = desktop->Tree().Find(window);
  if (!record) return;
  const RECT r = record->rect;
  MoveWindow(window, r.left, r.top, r.Width(), FieldHeight(window), TRUE);
}

RECT ComboBoxControl::ListRect(HWND window, int& rows) const {
  RECT field;
  GetWindowRect(window, &field);
  const LONG border = ControlScale();
  const LONG itemHeight = ItemHeight(window);
  const LONG screenHeight = GetSystemMetrics(SM_CYSCREEN);
  // The template's height says how many rows the dropped list shows.
  const LONG wanted = std::max<LONG>(droppedHeight_ - field.Height(), itemHeight + 2 * border);
  const int wantedRows = int(std::max<LONG>(1, (wanted - 2 * border) / itemHeight));
  rows = std::max(1, std::min<int>(wantedRows, int(items_.size())));
  const LONG below = screenHeight - field.bottom;
  const LONG above = field.top;
  const auto fitting = [&](LONG room) { return int(std::max<LONG>(1, (room - 2 * border) / itemHeight)); };
  const LONG height = rows * itemHeight + 2 * border;
  if (height <= below || below >= above) {
    rows = std::min(rows, fitting(below));
    return {field.left, field.bottom, field.right, field.bottom + rows * itemHeight + 2 * border};
  }
  rows = std::min(rows, fitting(above));
  return {field.left, field.top - (rows * itemHeight + 2 * border), field.right, field.top};
}

LRESULT ComboBoxControl::Insert(HWND window, int index, const WCHAR* text) {
  const auto placement = index < 0 && (GetWindowLong(window, GWL_STYLE) & CBS_SORT) ? ComboItemList::Placement::InOrder
                                                                                    : ComboItemList::Placement::At;
  const ComboItemList::Inserted inserted = items_.Insert(index, text ? WideString(text) : WideString(), placement);
  if (inserted.full) return CB_ERRSPACE;
  if (inserted.index < 0) return CB_ERR;
  if (listWindow_) InvalidateRect(listWindow_, nullptr, FALSE);
  return inserted.index;
}

void ComboBoxControl::SetSelection(HWND window, int index) {
  items_.Select(index);
  const WideString text = index >= 0 ? items_[index].text : WideString();
  // The window's text is the chosen entry's, for WM_GETTEXT and the dump.
  DefWindowProc(window, WM_SETTEXT, 0, LParamFromPointer(text.c_str()));
  InvalidateRect(window, nullptr, FALSE);
  if (listWindow_) {
    if (index >= 0) list_->ShowEntry(listWindow_, index);
    InvalidateRect(listWindow_, nullptr, FALSE);
  }
}

void ComboBoxControl::MoveSelection(HWND window, int index) {
  if (items_.empty()) return;
  index = std::clamp(index, 0, int(items_.size()) - 1);
  if (index == items_.Selection()) return;
  SetSelection(window, index);
  NotifyParent(window, CBN_SELCHANGE);
}

void ComboBoxControl::ChooseFromList(HWND window, int index) {
  if (index >= 0 && index < int(items_.size()) && index != items_.Selection()) {
    SetSelection(window, index);
    NotifyParent(window, CBN_SELCHANGE);
  }
  if (IsWindow(window)) CloseList(window, true);
}

void ComboBoxControl::OpenList(HWND window) {
  if (listWindow_ || !IsWindowEnabled(window)) return;
  NotifyParent(window, CBN_DROPDOWN);
  Desktop* desktop = Desktop::Current();
  if (!desktop || !IsWindow(window) || listWindow_) return;
  int rows = 1;
  WindowCreation creation;
  creation.className = WideString(kComboListClass);
  creation.style = WS_POPUP | WS_VISIBLE | WS_BORDER;
  creation.rect = ListRect(window, rows);
  creation.parent = window;
  auto list = std::make_shared<ComboDropList>(window, rows, ItemHeight(window), desktop->Input().StylusIsDown());
  list_ = list;
  listWindow_ = desktop->CreateWindow(creation, nullptr, list);
  if (!listWindow_) {
    list_.reset();
    return;
  }
  if (items_.Selection() >= 0) list_->ShowEntry(listWindow_, items_.Selection());
  SetCapture(listWindow_);
  InvalidateRect(window, nullptr, FALSE);
}

void ComboBoxControl::CloseList(HWND window, bool chosen) {
  if (!listWindow_) return;
  const HWND list = listWindow_;
  const std::shared_ptr<ComboDropList> keep = std::move(list_);
  listWindow_ = nullptr;
  DestroyWindow(list);
  InvalidateRect(window, nullptr, FALSE);
  NotifyParent(window, chosen ? CBN_SELENDOK : CBN_SELENDCANCEL);
  if (IsWindow(window)) NotifyParent(window, CBN_CLOSEUP);
}

LRESULT ComboBoxControl::OnKeyDown(HWND window, UINT key) {
  const int selected = items_.Selection();
  int rows = 1;
  ListRect(window, rows);
  switch (key) {
    case VK_UP:
    case VK_LEFT: MoveSelection(window, selected < 0 ? 0 : selected - 1); break;
    case VK_DOWN:
    case VK_RIGHT: MoveSelection(window, selected + 1); break;
    case VK_HOME: MoveSelection(window, 0); break;
    case VK_END: MoveSelection(window, int(items_.size()) - 1); break;
    case VK_PRIOR: MoveSelection(window, std::max(0, selected) - rows); break;
    case VK_NEXT: MoveSelection(window, selected + rows); break;
    case kF4:
      if (listWindow_)
        CloseList(window, true);
      else
        OpenList(window);
      break;
    case VK_RETURN: CloseList(window, true); break;
    case VK_ESCAPE: CloseList(window, false); break;
    default: break;
  }
  return 0;
}

LRESULT ComboBoxControl::OnChar(HWND window, char16_t unit) {
  // Control characters (Enter, Escape, Tab, Backspace) are no part of a text.
  if (unit < u' ') return 0;
  const int found = items_.FindPrefix(typed_.Add(unit, GetTickCount()));
  if (found >= 0) MoveSelection(window, found);
  return 0;
}

LRESULT ComboBoxControl::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: return OnCreate(window, PointerFromLParam<CREATESTRUCT>(lParam));
    case WM_SETFONT: return OnSetFont(window, wParam, lParam);
    case WM_DESTROY: return OnDestroy();
    case WM_GETDLGCODE: return OnGetDlgCode(PointerFromLParam<const MSG>(lParam));
    case WM_KEYDOWN: return OnKeyDown(window, UINT(wParam));
    case WM_CHAR: return OnChar(window, char16_t(wParam));
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: return OnStylusDown(window);
    case WM_SETFOCUS: return OnSetFocus(window);
    case WM_KILLFOCUS: return OnKillFocus(window);
    case WM_ENABLE: return OnEnable(window, wParam != 0);
    case WM_SETTEXT: return OnSetText(window, PointerFromLParam<const WCHAR>(lParam));
    case CB_ADDSTRING: return Insert(window, -1, PointerFromLParam<const WCHAR>(lParam));
    case CB_INSERTSTRING: return OnInsertString(window, wParam, PointerFromLParam<const WCHAR>(lParam));
    case CB_DELETESTRING: return OnDeleteString(window, wParam);
    case CB_RESETCONTENT: return OnResetContent(window);
    case CB_GETCOUNT: return LRESULT(items_.size());
    case CB_GETCURSEL: return items_.Selection() < 0 ? CB_ERR : LRESULT(items_.Selection());
    case CB_SETCURSEL: return OnSetCurSel(window, wParam);
    case CB_GETLBTEXTLEN: return OnGetLbTextLen(wParam);
    case CB_GETLBTEXT: return OnGetLbText(wParam, PointerFromLParam<WCHAR>(lParam));
    case CB_SETITEMDATA: return OnSetItemData(wParam, lParam);
    case CB_GETITEMDATA: return OnGetItemData(wParam);
    case CB_FINDSTRINGEXACT: return OnFindStringExact(wParam, PointerFromLParam<const WCHAR>(lParam));
    case CB_SHOWDROPDOWN: return OnShowDropDown(window, wParam != 0);
    case CB_GETDROPPEDSTATE: return listWindow_ ? TRUE : FALSE;
    case CB_GETDROPPEDCONTROLRECT: return OnGetDroppedControlRect(window, PointerFromLParam<RECT>(lParam));
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: return OnPaint(window);
    default: return DefWindowProc(window, message, wParam, lParam);
  }
}

LRESULT ComboBoxControl::OnCreate(HWND window, const CREATESTRUCT* create) {
  droppedHeight_ = create ? create->cy : 0;
  DefWindowProc(window, WM_SETTEXT, 0, LParamFromPointer(u""));
  FitToField(window);
  return 0;
}

LRESULT ComboBoxControl::OnSetFont(HWND window, WPARAM wParam, LPARAM lParam) {
  DefWindowProc(window, WM_SETFONT, wParam, lParam);
  FitToField(window);
  return 0;
}

LRESULT ComboBoxControl::OnDestroy() {
  if (listWindow_) {
    const HWND list = listWindow_;
    ListDestroyed();
    DestroyWindow(list);
  }
  return 0;
}

LRESULT ComboBoxControl::OnGetDlgCode(const MSG* message) const {
  LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
  // While the list is down, Enter and Escape close it instead of the dialog.
  if (listWindow_ && message && message->message == WM_KEYDOWN &&
      (message->wParam == VK_RETURN || message->wParam == VK_ESCAPE))
    code |= DLGC_WANTALLKEYS;
  return code;
}

LRESULT ComboBoxControl::OnStylusDown(HWND window) {
  if (GetFocus() != window) SetFocus(window);
  if (IsWindow(window) && GetFocus() == window) OpenList(window);
  return 0;
}

LRESULT ComboBoxControl::OnSetFocus(HWND window) {
  ShowFocusChange(window, focused_, true, CBN_SETFOCUS);
  return 0;
}

LRESULT ComboBoxControl::OnKillFocus(HWND window) {
  focused_ = false;
  typed_.Clear();
  CloseList(window, false);
  if (IsWindow(window)) ShowFocusChange(window, focused_, false, CBN_KILLFOCUS);
  return 0;
}

LRESULT ComboBoxControl::OnEnable(HWND window, bool enabled) {
  if (!enabled) CloseList(window, false);
  return 0;
}

LRESULT ComboBoxControl::OnSetText(HWND window, const WCHAR* text) {
  // A drop-down list shows entries only: the text picks the entry.
  const LRESULT found = OnFindStringExact(WPARAM(-1), text ? text : u"");
  if (found == CB_ERR) return CB_ERR;
  SetSelection(window, int(found));
  return TRUE;
}

LRESULT ComboBoxControl::OnInsertString(HWND window, WPARAM wParam, const WCHAR* text) {
  const auto index = static_cast<std::intptr_t>(wParam);
  if (index < -1 || index > std::intptr_t(items_.size())) return CB_ERR;
  return Insert(window, index < 0 ? int(items_.size()) : int(index), text);
}

LRESULT ComboBoxControl::OnDeleteString(HWND window, WPARAM wParam) {
  const int index = items_.IndexFrom(wParam);
  if (index < 0) return CB_ERR;
  if (items_.Erase(index)) SetSelection(window, -1);
  if (listWindow_) InvalidateRect(listWindow_, nullptr, FALSE);
  return LRESULT(items_.size());
}

LRESULT ComboBoxControl::OnResetContent(HWND window) {
  CloseList(window, false);
  items_.Clear();
  SetSelection(window, -1);
  return CB_OKAY;
}

LRESULT ComboBoxControl::OnSetCurSel(HWND window, WPARAM wParam) {
  const int index = items_.IndexFrom(wParam);
  SetSelection(window, index);
  return index < 0 ? CB_ERR : LRESULT(index);
}

LRESULT ComboBoxControl::OnGetLbTextLen(WPARAM wParam) const {
  const int index = items_.IndexFrom(wParam);
  return index < 0 ? CB_ERR : LRESULT(items_[index].text.size());
}

LRESULT ComboBoxControl::OnGetLbText(WPARAM wParam, WCHAR* buffer) const {
  // The caller sizes the buffer with CB_GETLBTEXTLEN, as on the device.
  const int index = items_.IndexFrom(wParam);
  if (index < 0 || !buffer) return CB_ERR;
  const WideString& text = items_[index].text;
  std::copy(text.begin(), text.end(), buffer);
  buffer[text.size()] = 0;
  return LRESULT(text.size());
}

LRESULT ComboBoxControl::OnSetItemData(WPARAM wParam, LPARAM data) {
  const int index = items_.IndexFrom(wParam);
  if (index < 0) return CB_ERR;
  items_[index].data = DWORD_PTR(data);
  return CB_OKAY;
}

LRESULT ComboBoxControl::OnGetItemData(WPARAM wParam) const {
  const int index = items_.IndexFrom(wParam);
  return index < 0 ? CB_ERR : LRESULT(items_[index].data);
}

LRESULT ComboBoxControl::OnFindStringExact(WPARAM start, const WCHAR* text) const {
  if (!text) return CB_ERR;
  const int found = items_.FindExact(items_.IndexFrom(start), text);
  return found < 0 ? CB_ERR : LRESULT(found);
}

LRESULT ComboBoxControl::OnShowDropDown(HWND window, bool drop) {
  if (drop)
    OpenList(window);
  else
    CloseList(window, false);
  return TRUE;
}

LRESULT ComboBoxControl::OnGetDroppedControlRect(HWND window, RECT* rect) const {
  int rows = 1;
  if (rect) *rect = ListRect(window, rows);
  return CB_OKAY;
}


void ComboBoxControl::DescribeForDump(HWND, DumpObject& fields) const {
  DumpArray items;
  for (const ComboItem& item : items_.Items()) items.push_back(item.text);
  fields.Set("items", std::move(items));
  fields.Set("selected", items_.Selection());
}

LRESULT ComboBoxControl::OnPaint(HWND window) {
  PaintDC dc(window);
  RECT client;
  GetClientRect(window, &client);
  SelectControlFont(dc, window);
  const LONG scale = ControlScale();
  const bool enabled = IsWindowEnabled(window) != FALSE;
  const COLORREF background = ParentBackground(window, WM_CTLCOLORLISTBOX, dc);
  dc.FillSolidRect(&client, background);
  const COLORREF frame = SysColourOn(background, COLOR_WINDOWFRAME);
  DrawFrame(dc, client, frame, scale);

  // The drop button: a square at the right end, sunk while the list is down.
  const LONG side = client.Height();
  const RECT button{client.right - side, client.top, client.right, client.bottom};
  const RECT face{button.left + scale, button.top + scale, button.right - scale, button.bottom - scale};
  dc.FillSolidRect(&face, GetSysColor(listWindow_ ? COLOR_BTNSHADOW : COLOR_BTNFACE));
  const RECT divider{button.left, button.top, button.left + scale, button.bottom};
  dc.FillSolidRect(&divider, frame);
  DrawArrowHead(dc, face, true, GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));

  // The focused field shows its entry highlighted, as the device's does.
  const RECT band{client.left + 2 * scale, client.top + 2 * scale, button.left - scale, client.bottom - 2 * scale};
  if (focused_ && !listWindow_ && enabled) {
    dc.FillSolidRect(&band, GetSysColor(COLOR_HIGHLIGHT));
    dc.SetTextColor(GetSysColor(COLOR_HIGHLIGHTTEXT));
  } else if (!enabled) {
    dc.SetTextColor(GetSysColor(COLOR_GRAYTEXT));
  }
  dc.SetBkMode(TRANSPARENT);
  if (items_.Selection() < 0) return 0;
  RECT text{band.left + kTextMargin * scale, band.top, band.right, band.bottom};
  dc.DrawText(items_[items_.Selection()].text, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  return 0;
}
