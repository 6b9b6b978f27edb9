#include "platform/controls/ComboBoxControl.h"

#include <algorithm>

#include "platform/controls/ComboDropList.h"
#include "platform/controls/ControlSupport.h"
#include "platform/runtime/CaseFold.h"
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

WideString Folded(std::u16string_view text) {
  WideString folded(text);
  FoldWide(folded);
  return folded;
}

// An index as the messages carry it: WPARAM(-1) and anything past the
// entries become -1.
int IndexFrom(WPARAM wParam, std::size_t count) {
  const auto index = static_cast<std::intptr_t>(wParam);
  return index >= 0 && std::size_t(index) < count ? int(index) : -1;
}

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

int ComboBoxControl::Insert(HWND window, int index, const WCHAR* text) {
  if (items_.size() >= std::size_t(kComboBoxMaxItems)) return int(CB_ERRSPACE);
  ComboItem item;
  if (text) item.text = text;
  std::size_t at = index < 0 ? items_.size() : std::size_t(index);
  if (at > items_.size()) return int(CB_ERR);
  if (index < 0 && (GetWindowLong(window, GWL_STYLE) & CBS_SORT)) {
    const WideString key = Folded(item.text);
    at = std::size_t(std::upper_bound(items_.begin(), items_.end(), key,
                                      [](const WideString& k, const ComboItem& i) { return k < Folded(i.text); }) -
                     items_.begin());
  }
  items_.insert(items_.begin() + std::ptrdiff_t(at), std::move(item));
  if (selected_ >= int(at)) ++selected_;
  if (listWindow_) InvalidateRect(listWindow_, nullptr, FALSE);
  return int(at);
}

void ComboBoxControl::SetSelection(HWND window, int index) {
  selected_ = index;
  const WideString text = index >= 0 ? items_[std::size_t(index)].text : WideString();
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
  if (index == selected_) return;
  SetSelection(window, index);
  NotifyParent(window, CBN_SELCHANGE);
}

void ComboBoxControl::ChooseFromList(HWND window, int index) {
  if (index >= 0 && index < int(items_.size()) && index != selected_) {
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
  if (selected_ >= 0) list_->ShowEntry(listWindow_, selected_);
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

void ComboBoxControl::KeyDown(HWND window, UINT key) {
  int rows = 1;
  ListRect(window, rows);
  switch (key) {
    case VK_UP:
    case VK_LEFT: MoveSelection(window, selected_ < 0 ? 0 : selected_ - 1); break;
    case VK_DOWN:
    case VK_RIGHT: MoveSelection(window, selected_ + 1); break;
    case VK_HOME: MoveSelection(window, 0); break;
    case VK_END: MoveSelection(window, int(items_.size()) - 1); break;
    case VK_PRIOR: MoveSelection(window, std::max(0, selected_) - rows); break;
    case VK_NEXT: MoveSelection(window, selected_ + rows); break;
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
}

LRESULT ComboBoxControl::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: {
      const auto* create = PointerFromLParam<CREATESTRUCT>(lParam);
      droppedHeight_ = create ? create->cy : 0;
      DefWindowProc(window, WM_SETTEXT, 0, LParamFromPointer(u""));
      FitToField(window);
      return 0;
    }
    case WM_SETFONT:
      DefWindowProc(window, message, wParam, lParam);
      FitToField(window);
      return 0;
    case WM_DESTROY:
      if (listWindow_) {
        const HWND list = listWindow_;
        ListDestroyed();
        DestroyWindow(list);
      }
      return 0;
    case WM_GETDLGCODE: {
      LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
      const auto* msg = PointerFromLParam<const MSG>(lParam);
      // While the list is down, Enter and Escape close it instead of the dialog.
      if (listWindow_ && msg && msg->message == WM_KEYDOWN && (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE))
        code |= DLGC_WANTALLKEYS;
      return code;
    }
    case WM_KEYDOWN:
      KeyDown(window, UINT(wParam));
      return 0;
    case WM_CHAR:
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (GetFocus() != window) SetFocus(window);
      if (IsWindow(window) && GetFocus() == window) OpenList(window);
      return 0;
    case WM_SETFOCUS:
      focused_ = true;
      InvalidateRect(window, nullptr, FALSE);
      NotifyParent(window, CBN_SETFOCUS);
      return 0;
    case WM_KILLFOCUS:
      focused_ = false;
      CloseList(window, false);
      if (!IsWindow(window)) return 0;
      InvalidateRect(window, nullptr, FALSE);
      NotifyParent(window, CBN_KILLFOCUS);
      return 0;
    case WM_ENABLE:
      if (!wParam) CloseList(window, false);
      return 0;
    case WM_SETTEXT: {
      // A drop-down list shows entries only: the text picks the entry.
      const auto* text = PointerFromLParam<const WCHAR>(lParam);
      const LRESULT found = HandleMessage(window, CB_FINDSTRINGEXACT, WPARAM(-1), LParamFromPointer(text ? text : u""));
      if (found == CB_ERR) return CB_ERR;
      SetSelection(window, int(found));
      return TRUE;
    }
    case CB_ADDSTRING:
      return Insert(window, -1, PointerFromLParam<const WCHAR>(lParam));
    case CB_INSERTSTRING: {
      const auto index = static_cast<std::intptr_t>(wParam);
      if (index < -1 || index > std::intptr_t(items_.size())) return CB_ERR;
      return Insert(window, index < 0 ? int(items_.size()) : int(index), PointerFromLParam<const WCHAR>(lParam));
    }
    case CB_DELETESTRING: {
      const int index = IndexFrom(wParam, items_.size());
      if (index < 0) return CB_ERR;
      items_.erase(items_.begin() + index);
      if (selected_ == index)
        SetSelection(window, -1);
      else if (selected_ > index)
        --selected_;
      if (listWindow_) InvalidateRect(listWindow_, nullptr, FALSE);
      return LRESULT(items_.size());
    }
    case CB_RESETCONTENT:
      CloseList(window, false);
      items_.clear();
      SetSelection(window, -1);
      return CB_OKAY;
    case CB_GETCOUNT:
      return LRESULT(items_.size());
    case CB_GETCURSEL:
      return selected_ < 0 ? CB_ERR : LRESULT(selected_);
    case CB_SETCURSEL: {
      const int index = IndexFrom(wParam, items_.size());
      SetSelection(window, index);
      return index < 0 ? CB_ERR : LRESULT(index);
    }
    case CB_GETLBTEXTLEN: {
      const int index = IndexFrom(wParam, items_.size());
      return index < 0 ? CB_ERR : LRESULT(items_[std::size_t(index)].text.size());
    }
    case CB_GETLBTEXT: {
      // The caller sizes the buffer with CB_GETLBTEXTLEN, as on the device.
      const int index = IndexFrom(wParam, items_.size());
      auto* buffer = PointerFromLParam<WCHAR>(lParam);
      if (index < 0 || !buffer) return CB_ERR;
      const WideString& text = items_[std::size_t(index)].text;
      std::copy(text.begin(), text.end(), buffer);
      buffer[text.size()] = 0;
      return LRESULT(text.size());
    }
    case CB_SETITEMDATA: {
      const int index = IndexFrom(wParam, items_.size());
      if (index < 0) return CB_ERR;
      items_[std::size_t(index)].data = DWORD_PTR(lParam);
      return CB_OKAY;
    }
    case CB_GETITEMDATA: {
      const int index = IndexFrom(wParam, items_.size());
      return index < 0 ? CB_ERR : LRESULT(items_[std::size_t(index)].data);
    }
    case CB_FINDSTRINGEXACT: {
      const auto* text = PointerFromLParam<const WCHAR>(lParam);
      if (!text || items_.empty()) return CB_ERR;
      const WideString wanted = Folded(text);
      const int start = IndexFrom(wParam, items_.size());
      for (std::size_t step = 1; step <= items_.size(); ++step) {
        const std::size_t i = (std::size_t(start + 1) + step - 1) % items_.size();
        if (Folded(items_[i].text) == wanted) return LRESULT(i);
      }
      return CB_ERR;
    }
    case CB_SHOWDROPDOWN:
      if (wParam)
        OpenList(window);
      else
        CloseList(window, false);
      return TRUE;
    case CB_GETDROPPEDSTATE:
      return listWindow_ ? TRUE : FALSE;
    case CB_GETDROPPEDCONTROLRECT: {
      int rows = 1;
      if (auto* rect = PointerFromLParam<RECT>(lParam)) *rect = ListRect(window, rows);
      return CB_OKAY;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      Paint(window);
      return 0;
    default:
      return DefWindowProc(window, message, wParam, lParam);
  }
}

void ComboBoxControl::DescribeForDump(HWND, DumpObject& fields) const {
  DumpArray items;
  for (const ComboItem& item : items_) items.push_back(item.text);
  fields.Set("items", std::move(items));
  fields.Set("selected", selected_);
}

void ComboBoxControl::Paint(HWND window) {
  PaintDC dc(window);
  RECT client;
  GetClientRect(window, &client);
  SelectControlFont(dc, window);
  const LONG scale = ControlScale();
  const bool enabled = IsWindowEnabled(window) != FALSE;
  dc.FillSolidRect(&client, ParentBackground(window, WM_CTLCOLORLISTBOX, dc));
  const COLORREF frame = GetSysColor(COLOR_WINDOWFRAME);
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
  if (selected_ < 0) return;
  RECT text{band.left + kTextMargin * scale, band.top, band.right, band.bottom};
  dc.DrawText(items_[std::size_t(selected_)].text, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}
