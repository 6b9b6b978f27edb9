#include "platform/framework/Wnd.h"

#include "platform/framework/WinApp.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/windows/Desktop.h"
#include "platform/windows/MessageApi.h"
#include "platform/windows/WindowApi.h"

CWnd* PermanentWindowOf(HWND window) { return CWnd::FromHandlePermanent(window); }

CWnd* CWnd::FromHandlePermanent(HWND window) {
  return dynamic_cast<CWnd*>(GetWindowSubclass(window));
}

CWnd::~CWnd() {
  controlWrappers_.clear();
  if (!m_hWnd || wrapperOnly_) return;
  if (IsWindow(m_hWnd) && GetWindowSubclass(m_hWnd) == this) ::DestroyWindow(m_hWnd);
  // A window that outlives its object (only possible if destruction was
  // refused) must not call back into freed memory.
  if (m_hWnd && GetWindowSubclass(m_hWnd) == this) ::UnsubclassWindow(m_hWnd);
}

BOOL CWnd::Create(std::u16string_view className, std::u16string_view windowName, DWORD style, const RECT& rect,
                  CWnd* parent, UINT id, DWORD exStyle) {
  Desktop* desktop = Desktop::Current();
  if (!desktop || m_hWnd) return FALSE;
  WindowCreation creation;
  creation.className = WideString(className);
  creation.text = WideString(windowName);
  creation.style = style;
  creation.exStyle = exStyle;
  creation.rect = rect;
  creation.parent = parent ? parent->m_hWnd : nullptr;
  creation.controlId = id;
  return desktop->CreateWindow(creation, this) ? TRUE : FALSE;
}

BOOL CWnd::SubclassWindow(HWND window) {
  if (m_hWnd || !::SubclassWindow(window, this)) return FALSE;
  m_hWnd = window;
  return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
  if (!parent) return FALSE;
  const HWND item = ::GetDlgItem(parent->m_hWnd, int(id));
  if (!item) return FALSE;
  // A wrapper handed out earlier for the control gives way to the real object.
  parent->controlWrappers_.erase(item);
  return SubclassWindow(item);
}

HWND CWnd::UnsubclassWindow() {
  const HWND window = m_hWnd;
  if (window && GetWindowSubclass(window) == this) ::UnsubclassWindow(window);
  m_hWnd = nullptr;
  return window;
}

BOOL CWnd::DestroyWindow() { return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE; }

const MessageMap* CWnd::GetMessageMap() const {
  static const MessageMap map;
  return &map;
}

BOOL CWnd::PreTranslateMessage(MSG* /*message*/) { return FALSE; }

BOOL CWnd::WalkPreTranslateTree(MSG* message) {
  for (HWND window = message->hwnd; window; window = ::GetParent(window)) {
    if (CWnd* object = FromHandlePermanent(window); object && object->PreTranslateMessage(message)) return TRUE;
    if (!(GetWindowLong(window, GWL_STYLE) & WS_CHILD)) break;
  }
  return FALSE;
}

LRESULT CWnd::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // The first message of a window created for this object names its handle.
  if (!m_hWnd) m_hWnd = window;
  const CurrentMessage outer = current_;
  current_ = {message, wParam, lParam};
  const LRESULT result = WindowProc(message, wParam, lParam);
  current_ = outer;
  if (message == WM_NCDESTROY) {
    // The application ends when its main window goes, as the device's framework does.
    if (CWinApp* app = AfxGetApp(); app && app->m_pMainWnd == this) {
      app->m_pMainWnd = nullptr;
      PostQuitMessage(0);
    }
    Detach();
    PostNcDestroy();
  }
  return result;
}

void CWnd::Detach() {
  controlWrappers_.clear();
  m_hWnd = nullptr;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (!OnWndMsg(message, wParam, lParam, &result)) result = DefWindowProc(message, wParam, lParam);
  return result;
}

bool CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (message == WM_COMMAND) {
    *result = 0;
    return OnCommand(wParam, lParam) != FALSE;
  }
  if (message == WM_NOTIFY) {
    *result = 0;
    return OnNotify(wParam, lParam, result) != FALSE;
  }
  const MessageMap* map = GetMessageMap();
  if (const MessageMapEntry* entry = map->FindMessage(message)) {
    *result = entry->call(*this, message, wParam, lParam);
    return true;
  }
  if (message == WM_DRAWITEM) {
    const auto* item = PointerFromLParam<DRAWITEMSTRUCT>(lParam);
    CWnd* child = item ? FromHandlePermanent(item->hwndItem) : nullptr;
    if (child && child != this && child->OnChildNotify(message, wParam, lParam, result)) return true;
  }
  return false;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  const UINT id = LOWORD(wParam);
  const UINT code = HIWORD(wParam);
  if (const HWND control = HwndFromParam(std::uintptr_t(lParam))) {
    CWnd* child = FromHandlePermanent(control);
    if (child && child != this && child->OnChildNotify(WM_COMMAND, wParam, lParam, nullptr)) return TRUE;
  }
  if (const MessageMapEntry* entry = GetMessageMap()->FindCommand(id, code)) {
    entry->call(*this, WM_COMMAND, wParam, lParam);
    return TRUE;
  }
  return FALSE;
}

BOOL CWnd::OnNotify(WPARAM /*wParam*/, LPARAM lParam, LRESULT* result) {
  const auto* header = PointerFromLParam<NMHDR>(lParam);
  if (!header) return FALSE;
  if (const MessageMapEntry* entry = GetMessageMap()->FindNotify(UINT(header->idFrom), header->code)) {
    const LRESULT answer = entry->call(*this, WM_NOTIFY, WPARAM(header->idFrom), lParam);
    if (result) *result = answer;
    return TRUE;
  }
  return FALSE;
}

BOOL CWnd::OnChildNotify(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/, LRESULT* /*result*/) {
  return FALSE;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return CallClassProcedure(m_hWnd, message, wParam, lParam);
}

void CWnd::DescribeState(DumpObject& /*state*/) const {}

void CWnd::DescribeForDump(HWND /*window*/, DumpObject& fields) const {
  DumpObject state;
  DescribeState(state);
  if (!state.Empty()) fields.Set("state", std::move(state));
}

LRESULT CWnd::Default() { return DefWindowProc(current_.message, current_.wParam, current_.lParam); }

BOOL CWnd::ShowWindow(int command) { return ::ShowWindow(m_hWnd, command); }
BOOL CWnd::IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
BOOL CWnd::EnableWindow(BOOL enable) { return ::EnableWindow(m_hWnd, enable); }
BOOL CWnd::IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint) {
  ::MoveWindow(m_hWnd, x, y, width, height, repaint);
}

void CWnd::MoveWindow(const RECT* rect, BOOL repaint) {
  if (rect) ::MoveWindow(m_hWnd, rect->left, rect->top, rect->Width(), rect->Height(), repaint);
}

void CWnd::GetClientRect(RECT* rect) const { ::GetClientRect(m_hWnd, rect); }
void CWnd::GetWindowRect(RECT* rect) const { ::GetWindowRect(m_hWnd, rect); }
void CWnd::ScreenToClient(POINT* point) const { ::ScreenToClient(m_hWnd, point); }
void CWnd::ClientToScreen(POINT* point) const { ::ClientToScreen(m_hWnd, point); }

void CWnd::ScreenToClient(RECT* rect) const {
  POINT corner{rect->left, rect->top};
  ::ScreenToClient(m_hWnd, &corner);
  *rect = rect->Offset(corner.x - rect->left, corner.y - rect->top);
}

void CWnd::ClientToScreen(RECT* rect) const {
  POINT corner{rect->left, rect->top};
  ::ClientToScreen(m_hWnd, &corner);
  *rect = rect->Offset(corner.x - rect->left, corner.y - rect->top);
}

void CWnd::Invalidate(BOOL erase) { ::InvalidateRect(m_hWnd, nullptr, erase); }
void CWnd::InvalidateRect(const RECT* rect, BOOL erase) { ::InvalidateRect(m_hWnd, rect, erase); }
void CWnd::UpdateWindow() { ::UpdateWindow(m_hWnd); }
void CWnd::SetWindowText(std::u16string_view text) { ::SetWindowText(m_hWnd, text); }
void CWnd::GetWindowText(WideString& text) const { text = GetWindowTextString(m_hWnd); }
int CWnd::GetWindowTextLength() const { return ::GetWindowTextLength(m_hWnd); }
int CWnd::GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
DWORD CWnd::GetStyle() const { return DWORD(GetWindowLong(m_hWnd, GWL_STYLE)); }
CWnd* CWnd::GetParent() const { return FromHandlePermanent(::GetParent(m_hWnd)); }

CWnd* CWnd::GetDlgItem(int id) {
  const HWND item = ::GetDlgItem(m_hWnd, id);
  if (!item) return nullptr;
  if (CWnd* object = FromHandlePermanent(item)) return object;
  auto& wrapper = controlWrappers_[item];
  if (!wrapper) {
    wrapper = std::make_unique<CWnd>();
    wrapper->m_hWnd = item;
    wrapper->wrapperOnly_ = true;
  }
  return wrapper.get();
}


CWnd* CWnd::SetFocus() { return FromHandlePermanent(::SetFocus(m_hWnd)); }
CWnd* CWnd::GetFocus() { return FromHandlePermanent(::GetFocus()); }

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::SendMessage(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::PostMessage(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::SendDlgItemMessage(int id, UINT message, WPARAM wParam, LPARAM lParam) {
  return ::SendDlgItemMessage(m_hWnd, id, message, wParam, lParam);
}

HICON CWnd::SetIcon(HICON icon, BOOL bigIcon) {
  const LRESULT previous = SendMessage(WM_SETICON, bigIcon ? ICON_BIG : ICON_SMALL, LPARAM(NumberOfHandle(icon)));
  return HandleFromNumber<HICON>(static_cast<std::uint32_t>(previous));
}

void CWnd::SetFont(CFont* font, BOOL redraw) {
  SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw);
}

void CWnd::OnPaint() { Default(); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnNcDestroy() { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnActivate(UINT, CWnd*, BOOL) { Default(); }
void CWnd::OnSettingChange(UINT, const WCHAR*) { Default(); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT) { return BrushFromLResult(Default()); }
void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT) { Default(); }

const MessageMapEntry* MessageMap::FindMessage(UINT message) const {
  for (const MessageMap* map = this; map; map = map->base)
    for (const MessageMapEntry& entry : map->entries) {
      if (entry.kind == MessageMapEntry::Kind::Message && entry.message == message) return &entry;
      if (entry.kind == MessageMapEntry::Kind::CtlColorAny && IsCtlColorMessage(message)) return &entry;
    }
  return nullptr;
}

const MessageMapEntry* MessageMap::FindCommand(UINT id, UINT code) const {
  for (const MessageMap* map = this; map; map = map->base)
    for (const MessageMapEntry& entry : map->entries) {
      const bool inRange = id >= entry.firstId && id <= entry.lastId;
      if (!inRange) continue;
      if (entry.kind == MessageMapEntry::Kind::Command && code <= 1) return &entry;
      if (entry.kind == MessageMapEntry::Kind::Control && entry.code == code) return &entry;
    }
  return nullptr;
}

const MessageMapEntry* MessageMap::FindNotify(UINT id, UINT code) const {
  for (const MessageMap* map = this; map; map = map->base)
    for (const MessageMapEntry& entry : map->entries)
      if (entry.kind == MessageMapEntry::Kind::Notify && entry.code == code && id >= entry.firstId &&
          id <= entry.lastId)
        return &entry;
  return nullptr;
}
