#include "platform/windows/DialogKeys.h"

#include <functional>
#include <vector>

#include "platform/windows/Desktop.h"
#include "platform/windows/MessageApi.h"
#include "platform/windows/SystemApi.h"
#include "platform/windows/VirtualKeys.h"
#include "platform/windows/WindowApi.h"

namespace {

const WindowTree* Tree() {
  const Desktop* desktop = Desktop::Current();
  return desktop && desktop->OnWindowThread() ? &desktop->Tree() : nullptr;
}

bool Reachable(const WindowRecord& record) { return record.HasVisibleStyle() && record.HasEnabledStyle(); }

// Walks `order` from `from` (excluded; from an end when it is not in the
// list) one way round and answers the first window `accept` takes.
HWND Step(const WindowTree& tree, const std::vector<HWND>& order, HWND from, bool previous,
          const std::function<bool(const WindowRecord&)>& accept) {
  const auto count = std::ptrdiff_t(order.size());
  if (count == 0) return nullptr;
  std::ptrdiff_t start = previous ? count : -1;
  for (std::ptrdiff_t i = 0; i < count; ++i)
    if (order[std::size_t(i)] == from) start = i;
  for (std::ptrdiff_t step = 1; step <= count; ++step) {
    const std::ptrdiff_t i = ((start + (previous ? -step : step)) % count + count) % count;
    const WindowRecord* record = tree.Find(order[std::size_t(i)]);
    if (record && accept(*record)) return record->handle;
  }
  return nullptr;
}

// The dialog's own child that is `window` or holds it, or null.
HWND ChildHolding(const WindowTree& tree, HWND dialog, HWND window) {
  for (const WindowRecord* r = tree.Find(window); r; r = tree.Find(r->parent))
    if (r->parent == dialog) return r->handle;
  return nullptr;
}

LRESULT DialogCode(HWND control, MSG* message) {
  return SendMessage(control, WM_GETDLGCODE, message ? message->wParam : 0, LParamFromPointer(message));
}

// The command a dialog key sends, unless its button is there but disabled.
void SendDialogCommand(HWND dialog, int id) {
  const HWND button = GetDlgItem(dialog, id);
  if (button && !IsWindowEnabled(button)) {
    MessageBeep(MB_OK);
    return;
  }
  SendMessage(dialog, WM_COMMAND, MAKEWPARAM(WORD(id), WORD(BN_CLICKED)), LParamFromHwnd(button));
}

void PressEnter(HWND dialog, HWND focus, LRESULT wants) {
  // A focused push button is pressed; otherwise the dialog's default button.
  int id = IDOK;
  if (focus != dialog && (wants & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON))) {
    id = GetDlgCtrlID(focus);
  } else {
    const LRESULT defaultId = SendMessage(dialog, DM_GETDEFID, 0, 0);
    if (HIWORD(std::uintptr_t(defaultId)) == DC_HASDEFID) id = LOWORD(std::uintptr_t(defaultId));
  }
  SendDialogCommand(dialog, id);
}

// Arrows move through the group, passing over texts and group boxes.
void MoveInGroup(const WindowTree& tree, HWND dialog, HWND from, bool previous) {
  const WindowRecord* record = tree.Find(dialog);
  HWND next = from;
  for (std::size_t tries = 0; record && tries < record->children.size(); ++tries) {
    next = GetNextDlgGroupItem(dialog, next, previous);
    if (!next || next == from) return;
    if (!(DialogCode(next, nullptr) & DLGC_STATIC)) {
      FocusDialogControl(next);
      return;
    }
  }
}

}  // namespace

HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous) {
  const WindowTree* tree = Tree();
  const WindowRecord* record = tree ? tree->Find(dialog) : nullptr;
  if (!record) return nullptr;
  return Step(*tree, record->children, control, previous != FALSE,
              [](const WindowRecord& r) { return Reachable(r) && (r.style & WS_TABSTOP); });
}

HWND GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous) {
  const WindowTree* tree = Tree();
  const WindowRecord* record = tree ? tree->Find(dialog) : nullptr;
  if (!record) return nullptr;
  const std::vector<HWND>& children = record->children;
  std::size_t at = children.size();
  for (std::size_t i = 0; i < children.size(); ++i)
    if (children[i] == control) at = i;
  if (at == children.size()) return nullptr;
  const auto startsGroup = [&](std::size_t i) {
    const WindowRecord* c = tree->Find(children[i]);
    return c && (c->style & WS_GROUP);
  };
  std::size_t first = at;
  while (first > 0 && !startsGroup(first)) --first;
  std::size_t end = at + 1;
  while (end < children.size() && !startsGroup(end)) ++end;
  const std::vector<HWND> group(children.begin() + std::ptrdiff_t(first), children.begin() + std::ptrdiff_t(end));
  return Step(*tree, group, control, previous != FALSE, Reachable);
}

void FocusDialogControl(HWND control) {
  SetFocus(control);
  if (GetFocus() == control && (DialogCode(control, nullptr) & DLGC_HASSETSEL))
    SendMessage(control, EM_SETSEL, 0, -1);
}

BOOL IsDialogMessage(HWND dialog, MSG* message) {
  const WindowTree* tree = Tree();
  if (!tree || !message || message->message != WM_KEYDOWN) return FALSE;
  if (!tree->Exists(dialog) || !tree->IsSelfOrDescendant(dialog, message->hwnd)) return FALSE;
  const UINT key = UINT(message->wParam);
  const LRESULT wants = DialogCode(message->hwnd, message);
  if (wants & DLGC_WANTALLKEYS) return FALSE;
  const HWND child = ChildHolding(*tree, dialog, message->hwnd);
  const bool shift = (GetAsyncKeyState(int(VK_SHIFT)) & 0x8000) != 0;
  switch (key) {
    case VK_TAB:
      if (wants & DLGC_WANTTAB) return FALSE;
      if (const HWND next = GetNextDlgTabItem(dialog, child, shift)) FocusDialogControl(next);
      return TRUE;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
      if ((wants & DLGC_WANTARROWS) || !child) return FALSE;
      MoveInGroup(*tree, dialog, child, key == VK_LEFT || key == VK_UP);
      return TRUE;
    case VK_ESCAPE:
      SendDialogCommand(dialog, IDCANCEL);
      return TRUE;
    case VK_RETURN:
      PressEnter(dialog, message->hwnd, wants);
      return TRUE;
    default:
      return FALSE;
  }
}
