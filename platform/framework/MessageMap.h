#pragma once
// Message maps: which handler of a window class answers which message,
// command or notification. A class builds its map once, from its base
// class's map and a list of typed entries; a handler whose signature does not
// fit its message does not compile.
//
//   const MessageMap* CSkyMapDlg::GetMessageMap() const {
//     static const MessageMap map = MessageMapFor<CSkyMapDlg>(CDialog::GetMessageMap())
//         .OnPaint(&CSkyMapDlg::OnPaint)
//         .OnCommand(1000, &CSkyMapDlg::OnExit)
//         .OnCommandRange(32794, 32798, &CSkyMapDlg::OnZoomLevel);
//     return &map;
//   }
//
// The first matching entry wins, searched from the most derived class to the
// base: list a narrow entry (OnCtlColorStatic) before a broad one (OnCtlColor).

#include <functional>
#include <vector>

#include "platform/gdi/GdiTypes.h"
#include "platform/windows/Messages.h"

class CDC;
class CWnd;

using CPoint = POINT;
using CRect = RECT;
using CSize = SIZE;

struct MessageMapEntry {
  enum class Kind { Message, CtlColorAny, Command, Control, Notify };
  Kind kind = Kind::Message;
  UINT message = 0;    // Message
  UINT code = 0;       // Control and Notify: the notification code
  UINT firstId = 0;    // Command, Control and Notify: the id range
  UINT lastId = 0;
  std::function<LRESULT(CWnd& window, UINT message, WPARAM wParam, LPARAM lParam)> call;
};

struct MessageMap {
  const MessageMap* base = nullptr;
  std::vector<MessageMapEntry> entries;

  // Searches this map, then its bases.
  const MessageMapEntry* FindMessage(UINT message) const;
  // Command ids arrive with code 0 (menus, buttons, posted commands) or 1 (accelerators).
  const MessageMapEntry* FindCommand(UINT id, UINT code) const;
  const MessageMapEntry* FindNotify(UINT id, UINT code) const;
};

// Looks up the program object behind a window (defined with CWnd).
CWnd* PermanentWindowOf(HWND window);

template <class T>
class MessageMapFor {
 public:
  explicit MessageMapFor(const MessageMap* base) { map_.base = base; }
  operator MessageMap() const { return map_; }

  MessageMapFor& OnMessage(UINT message, LRESULT (T::*handler)(WPARAM, LPARAM)) {
    return Add(MessageMapEntry::Kind::Message, message, [handler](CWnd& w, UINT, WPARAM wp, LPARAM lp) {
      return (Self(w).*handler)(wp, lp);
    });
  }
  MessageMapFor& OnPaint(void (T::*handler)()) { return Plain(WM_PAINT, handler); }
  MessageMapFor& OnDestroy(void (T::*handler)()) { return Plain(WM_DESTROY, handler); }
  MessageMapFor& OnLButtonDown(void (T::*handler)(UINT, CPoint)) { return Mouse(WM_LBUTTONDOWN, handler); }
  MessageMapFor& OnLButtonUp(void (T::*handler)(UINT, CPoint)) { return Mouse(WM_LBUTTONUP, handler); }
  MessageMapFor& OnLButtonDblClk(void (T::*handler)(UINT, CPoint)) { return Mouse(WM_LBUTTONDBLCLK, handler); }
  MessageMapFor& OnMouseMove(void (T::*handler)(UINT, CPoint)) { return Mouse(WM_MOUSEMOVE, handler); }
  MessageMapFor& OnKeyDown(void (T::*handler)(UINT, UINT, UINT)) { return Key(WM_KEYDOWN, handler); }
  MessageMapFor& OnKeyUp(void (T::*handler)(UINT, UINT, UINT)) { return Key(WM_KEYUP, handler); }
  MessageMapFor& OnChar(void (T::*handler)(UINT, UINT, UINT)) { return Key(WM_CHAR, handler); }

  MessageMapFor& OnActivate(void (T::*handler)(UINT, CWnd*, BOOL)) {
    return Add(MessageMapEntry::Kind::Message, WM_ACTIVATE, [handler](CWnd& w, UINT, WPARAM wp, LPARAM lp) {
      (Self(w).*handler)(LOWORD(wp), PermanentWindowOf(HwndFromParam(std::uintptr_t(lp))), HIWORD(wp) != 0);
      return LRESULT(0);
    });
  }
  MessageMapFor& OnSettingChange(void (T::*handler)(UINT, const WCHAR*)) {
    return Add(MessageMapEntry::Kind::Message, WM_SETTINGCHANGE, [handler](CWnd& w, UINT, WPARAM wp, LPARAM lp) {
      (Self(w).*handler)(UINT(wp), PointerFromLParam<const WCHAR>(lp));
      return LRESULT(0);
    });
  }
  MessageMapFor& OnSetFocus(void (T::*handler)(CWnd*)) { return Focus(WM_SETFOCUS, handler); }
  MessageMapFor& OnKillFocus(void (T::*handler)(CWnd*)) { return Focus(WM_KILLFOCUS, handler); }

  // Every control-colour request (WM_CTLCOLORSTATIC, WM_CTLCOLORDLG, ...);
  // the last argument tells which (CTLCOLOR_STATIC, CTLCOLOR_DLG, ...).
  MessageMapFor& OnCtlColor(HBRUSH (T::*handler)(CDC*, CWnd*, UINT)) {
    return Add(MessageMapEntry::Kind::CtlColorAny, 0, CtlColorCall(handler));
  }
  MessageMapFor& OnCtlColorStatic(HBRUSH (T::*handler)(CDC*, CWnd*, UINT)) {
    return Add(MessageMapEntry::Kind::Message, WM_CTLCOLORSTATIC, CtlColorCall(handler));
  }
  MessageMapFor& OnDrawItem(void (T::*handler)(int, LPDRAWITEMSTRUCT)) {
    return Add(MessageMapEntry::Kind::Message, WM_DRAWITEM, [handler](CWnd& w, UINT, WPARAM wp, LPARAM lp) {
      (Self(w).*handler)(int(wp), PointerFromLParam<DRAWITEMSTRUCT>(lp));
      return LRESULT(TRUE);
    });
  }

  // WM_COMMAND with this id from a menu, a button or a post.
  MessageMapFor& OnCommand(UINT id, void (T::*handler)()) {
    return Add(MessageMapEntry::Kind::Command, 0, id, id, 0, [handler](CWnd& w, UINT, WPARAM, LPARAM) {
      (Self(w).*handler)();
      return LRESULT(0);
    });
  }
  // The same for a handler shared by several commands, which is told the id.
  MessageMapFor& OnCommand(UINT id, void (T::*handler)(UINT)) { return OnCommandRange(id, id, handler); }
  MessageMapFor& OnCommandRange(UINT firstId, UINT lastId, void (T::*handler)(UINT)) {
    return Add(MessageMapEntry::Kind::Command, 0, firstId, lastId, 0, [handler](CWnd& w, UINT, WPARAM wp, LPARAM) {
      (Self(w).*handler)(LOWORD(wp));
      return LRESULT(0);
    });
  }
  // WM_COMMAND carrying a control's notification (CBN_SELCHANGE, EN_CHANGE, ...).
  MessageMapFor& OnControl(UINT code, UINT id, void (T::*handler)()) {
    return Add(MessageMapEntry::Kind::Control, 0, id, id, code, [handler](CWnd& w, UINT, WPARAM, LPARAM) {
      (Self(w).*handler)();
      return LRESULT(0);
    });
  }
  // WM_NOTIFY with this code from this control.
  MessageMapFor& OnNotify(UINT code, UINT id, void (T::*handler)(NMHDR*, LRESULT*)) {
    return Add(MessageMapEntry::Kind::Notify, 0, id, id, code, [handler](CWnd& w, UINT, WPARAM, LPARAM lp) {
      LRESULT result = 0;
      (Self(w).*handler)(PointerFromLParam<NMHDR>(lp), &result);
      return result;
    });
  }

 private:
  static T& Self(CWnd& window) { return static_cast<T&>(window); }

  template <class Call>
  MessageMapFor& Add(MessageMapEntry::Kind kind, UINT message, Call call) {
    return Add(kind, message, 0, 0, 0, std::move(call));
  }
  template <class Call>
  MessageMapFor& Add(MessageMapEntry::Kind kind, UINT message, UINT firstId, UINT lastId, UINT code, Call call) {
    MessageMapEntry entry;
    entry.kind = kind;
    entry.message = message;
    entry.firstId = firstId;
    entry.lastId = lastId;
    entry.code = code;
    entry.call = std::move(call);
    map_.entries.push_back(std::move(entry));
    return *this;
  }
  MessageMapFor& Plain(UINT message, void (T::*handler)()) {
    return Add(MessageMapEntry::Kind::Message, message, [handler](CWnd& w, UINT, WPARAM, LPARAM) {
      (Self(w).*handler)();
      return LRESULT(0);
    });
  }
  MessageMapFor& Mouse(UINT message, void (T::*handler)(UINT, CPoint)) {
    return Add(MessageMapEntry::Kind::Message, message, [handler](CWnd& w, UINT, WPARAM wp, LPARAM lp) {
      (Self(w).*handler)(UINT(wp), PointFromLParam(lp));
      return LRESULT(0);
    });
  }
  MessageMapFor& Key(UINT message, void (T::*handler)(UINT, UINT, UINT)) {
    return Add(MessageMapEntry::Kind::Message, message, [handler](CWnd& w, UINT, WPARAM wp, LPARAM lp) {
      (Self(w).*handler)(UINT(wp), UINT(lp & 0xFFFF), UINT((std::uintptr_t(lp) >> 16) & 0xFFFF));
      return LRESULT(0);
    });
  }
  MessageMapFor& Focus(UINT message, void (T::*handler)(CWnd*)) {
    return Add(MessageMapEntry::Kind::Message, message, [handler](CWnd& w, UINT, WPARAM wp, LPARAM) {
      (Self(w).*handler)(PermanentWindowOf(HwndFromParam(wp)));
      return LRESULT(0);
    });
  }
  static auto CtlColorCall(HBRUSH (T::*handler)(CDC*, CWnd*, UINT)) {
    return [handler](CWnd& w, UINT message, WPARAM wp, LPARAM lp) {
      return LResultFromBrush((Self(w).*handler)(DCFromWParam(wp), PermanentWindowOf(HwndFromParam(std::uintptr_t(lp))),
                                                 message - WM_CTLCOLORMSGBOX));
    };
  }

  MessageMap map_;
};
