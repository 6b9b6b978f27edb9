#include "platform/framework/Dialog.h"

#include <algorithm>

#include "platform/framework/DataExchange.h"
#include "platform/framework/WinApp.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/windows/DefaultProcedures.h"
#include "platform/windows/Desktop.h"
#include "platform/windows/MessageApi.h"
#include "platform/windows/ModalLoop.h"
#include "platform/windows/WindowApi.h"

CDialog::CDialog(const DialogTemplate& dialogTemplate, CWnd* parent)
    : template_(&dialogTemplate), parent_(parent) {}

CDialog::~CDialog() {
  // Destroyed here, while this is still a CDialog, so its handlers see WM_DESTROY.
  if (m_hWnd) DestroyWindow();
}

const MessageMap* CDialog::GetMessageMap() const {
  static const MessageMap map = MessageMapFor<CDialog>(CWnd::GetMessageMap())
                                    .OnMessage(WM_INITDIALOG, &CDialog::HandleInitDialog)
                                    .OnCommand(IDOK, &CDialog::OnOK)
                                    .OnCommand(IDCANCEL, &CDialog::OnCancel);
  return &map;
}

INT_PTR CDialog::DoModal() {
  Desktop* desktop = Desktop::Current();
  if (!desktop || desktop->QuitRequested() || m_hWnd) return -1;
  HWND owner = parent_ ? parent_->m_hWnd : nullptr;
  if (!owner) {
    CWnd* mainWindow = AfxGetMainWnd();
    if (mainWindow && mainWindow != this) owner = mainWindow->m_hWnd;
  }
  owner = desktop->Tree().TopLevelOf(owner);

  ModalOwnerLock ownerLock(owner);
  modalResult_ = -1;
  continueModal_ = true;
  if (!CreateFromTemplate(owner)) return -1;
  if (continueModal_ && m_hWnd) {
    ShowWindow(SW_SHOWNORMAL);
    const bool ended = RunModalLoop([this] { return !continueModal_ || !m_hWnd; },
                                    [](MSG& message) { return WalkPreTranslateTree(&message) != FALSE; });
    if (!ended && continueModal_) modalResult_ = -1;
  }
  if (m_hWnd) ShowWindow(SW_HIDE);
  ownerLock.Release();
  if (m_hWnd) DestroyWindow();
  return modalResult_;
}

void CDialog::EndDialog(int result) {
  modalResult_ = result;
  continueModal_ = false;
}

bool CDialog::CreateFromTemplate(HWND owner) {
  Desktop* desktop = Desktop::Current();
  const LONG screenWidth = desktop->Profile().width;
  const DialogTemplate& t = *template_;

  WindowCreation dialog;
  dialog.className = WideString(WC_DIALOG);
  dialog.text = WideString(t.caption);
  dialog.style = (t.style & ~(WS_VISIBLE | WS_CHILD)) | WS_POPUP;
  dialog.exStyle = t.exStyle;
  dialog.rect = DialogUnitsToPixels(t.x, t.y, t.cx, t.cy, screenWidth);
  dialog.parent = owner;
  if (!desktop->CreateWindow(dialog, this) || !m_hWnd) return false;

  LOGFONT logFont;
  logFont.lfHeight = -MulDiv(t.fontPointSize, desktop->LogicalDpi(), 72);
  logFont.lfWeight = FW_NORMAL;
  const std::size_t faceLength = std::min<std::size_t>(t.fontFace.size(), LF_FACESIZE - 1);
  std::copy_n(t.fontFace.begin(), faceLength, logFont.lfFaceName);
  font_ = std::make_unique<CFont>();
  font_->CreateFontIndirect(&logFont);
  SetFont(font_.get(), FALSE);

  for (const DialogControlTemplate& c : t.controls) {
    WindowCreation control;
    control.className = WideString(c.className);
    control.text = WideString(c.text);
    control.style = c.style | WS_CHILD;
    control.exStyle = c.exStyle;
    control.rect = DialogUnitsToPixels(c.x, c.y, c.cx, c.cy, screenWidth);
    control.parent = m_hWnd;
    control.controlId = c.id;
    const HWND created = desktop->CreateWindow(control);
    if (!created) {
      DestroyWindow();
      return false;
    }
    ::SendMessage(created, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  }

  if (SendMessage(WM_INITDIALOG, WPARAM(NumberOfHandle(FirstTabStop(m_hWnd))), 0)) {
    const HWND first = FirstTabStop(m_hWnd);
    ::SetFocus(first ? first : m_hWnd);
  }
  // Showing the dialog activates it, and activation restores this focus.
  const HWND focus = desktop->Focus();
  if (m_hWnd && focus && desktop->Tree().IsSelfOrDescendant(m_hWnd, focus))
    desktop->Tree().Find(m_hWnd)->savedFocus = focus;
  return m_hWnd != nullptr;
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM) { return OnInitDialog(); }

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::OnOK() {
  if (!UpdateData(TRUE)) return;
  EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
  if (!m_hWnd) return FALSE;
  CDataExchange exchange(this, saveAndValidate);
  DoDataExchange(&exchange);
  return TRUE;
}

void CDialog::DoDataExchange(CDataExchange* /*exchange*/) {}

BOOL CDialog::PreTranslateMessage(MSG* message) {
  if (m_hWnd && IsDialogMessage(m_hWnd, message)) return TRUE;
  return CWnd::PreTranslateMessage(message);
}
