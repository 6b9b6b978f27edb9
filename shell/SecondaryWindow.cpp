#include "shell/SecondaryWindow.h"

#include "appcore/RedScreenColours.h"
#include "appcore/ScreenClass.h"
#include "shell/CaptionBar.h"
#include "shell/FullScreen.h"
#include "shell/ProgramWide.h"

namespace vespera {

CSecondaryWindow::CSecondaryWindow(const DialogTemplate& dialogTemplate, std::u16string_view title,
                                   bool showInputPanelButton, UINT closeButtonId)
    : CDialog(dialogTemplate),
      title_(title),
      showInputPanelButton_(showInputPanelButton),
      closeButtonId_(closeButtonId) {}

const MessageMap* CSecondaryWindow::GetMessageMap() const {
  static const MessageMap map = MessageMapFor<CSecondaryWindow>(CDialog::GetMessageMap())
                                    .OnPaint(&CSecondaryWindow::OnPaint)
                                    .OnDestroy(&CSecondaryWindow::OnDestroy)
                                    .OnLButtonDown(&CSecondaryWindow::OnTap)
                                    .OnMessage(WM_MOUSEWHEEL, &CSecondaryWindow::OnMouseWheel)
                                    .OnCtlColorStatic(&CSecondaryWindow::OnCtlColorStatic)
                                    .OnCtlColor(&CSecondaryWindow::OnCtlColor);
  return &map;
}

void CSecondaryWindow::DoDataExchange(CDataExchange* exchange) {
  CDialog::DoDataExchange(exchange);
  // Bound before the subclass's controls, as every window has always done.
  DDX_Control(exchange, int(closeButtonId_), closeButton_);
}

BOOL CSecondaryWindow::OnInitDialog() {
  // The dialog's own initialisation runs the data exchange, which binds the
  // "X": it must come before the button is dressed.
  CDialog::OnInitDialog();
  InitFullScreenDialog(*this);
  EnterFullScreen();
  // The "X" shows the skin's close image at that image's size, keeping the
  // template's corner (client coordinates, so the move above leaves it).
  closeButton_.SetImages(&*theSkin, kSkinClose, kNoSkinImage, kNoSkinImage);
  PlaceSkinButton(*this, closeButton_, *theSkin, kSkinClose);
  // The brushes answer the controls' colour requests, which start with the
  // first paint; a subclass's page is shown after this returns.
  redBrush_.CreateSolidBrush(kRedScreenRed);
  windowBrush_.CreateSolidBrush(GetSysColor(COLOR_WINDOW));
  return TRUE;
}

void CSecondaryWindow::DescribeState(DumpObject& state) const {
  state.Set("template", Template().id);
  state.Set("title", WideString(title_));
  state.Set("redScreenMode", RedScreenModeValue());
}

void CSecondaryWindow::EnterFullScreen() { vespera::EnterFullScreen(*this, showInputPanelButton_, true); }

void CSecondaryWindow::OnPaint() {
  // Every paint puts the window back over the whole screen, as the main
  // window's does.
  EnterFullScreen();
  CPaintDC dc(this);
  RECT window{};
  GetWindowRect(&window);
  DrawCaptionBar(dc, window, title_);
}

void CSecondaryWindow::OnDestroy() {
  CDialog::OnDestroy();
  redBrush_.DeleteObject();
  windowBrush_.DeleteObject();
}

void CSecondaryWindow::OnTap(UINT flags, CPoint point) {
  if (IsStartMenuCorner(point, CaptionStripHeight(IsHighResScreen()))) {
    OpenStartMenu(*this);
    return;
  }
  CDialog::OnLButtonDown(flags, point);
}

LRESULT CSecondaryWindow::OnMouseWheel(WPARAM wParam, LPARAM lParam) {
  // The wheel comes to the window; its page is what it scrolls.
  if (htmlView_) ::SendMessage(htmlView_, WM_MOUSEWHEEL, wParam, lParam);
  return 0;
}

HBRUSH CSecondaryWindow::OnCtlColorStatic(CDC* dc, CWnd* /*control*/, UINT /*kind*/) {
  dc->SetBkMode(TRANSPARENT);
  return IsRedScreenOn() ? &redBrush_ : &windowBrush_;
}

HBRUSH CSecondaryWindow::OnCtlColor(CDC* dc, CWnd* control, UINT kind) {
  if (IsRedScreenOn()) return &redBrush_;
  return CDialog::OnCtlColor(dc, control, kind);
}

}  // namespace vespera
