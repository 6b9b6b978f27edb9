#include "shell/SecondaryWindow.h"

#include "appcore/ScreenClass.h"
#include "shell/CaptionBar.h"
#include "shell/FullScreen.h"
#include "shell/ProgramWide.h"

namespace vespera {

namespace {

constexpr COLORREF kRedScreenBackground = RGB(255, 0, 0);

}  // namespace

CSecondaryWindow::CSecondaryWindow(const DialogTemplate& dialogTemplate, std::u16string_view title,
                                   bool showInputPanelButton)
    : CDialog(dialogTemplate), title_(title), showInputPanelButton_(showInputPanelButton) {}

const MessageMap* CSecondaryWindow::GetMessageMap() const {
  static const MessageMap map = MessageMapFor<CSecondaryWindow>(CDialog::GetMessageMap())
                                    .OnPaint(&CSecondaryWindow::OnPaint)
                                    .OnDestroy(&CSecondaryWindow::OnDestroy)
                                    .OnLButtonDown(&CSecondaryWindow::OnTap)
                                    .OnCtlColorStatic(&CSecondaryWindow::OnCtlColorStatic)
                                    .OnCtlColor(&CSecondaryWindow::OnCtlColor);
  return &map;
}

void CSecondaryWindow::DescribeState(DumpObject& state) const {
  state.Set("template", Template().id);
  state.Set("title", WideString(title_));
  state.Set("redScreenMode", redScreenMode);
}

void CSecondaryWindow::EnterFullScreen() { vespera::EnterFullScreen(*this, showInputPanelButton_, true); }

void CSecondaryWindow::DressCloseButton() {
  closeButton_.SetImages(&*theSkin, kSkinClose, kNoSkinImage, kNoSkinImage);
  PlaceSkinButton(*this, closeButton_, *theSkin, kSkinClose);
}

void CSecondaryWindow::CreateBrushes() {
  redBrush_.CreateSolidBrush(kRedScreenBackground);
  windowBrush_.CreateSolidBrush(GetSysColor(COLOR_WINDOW));
}

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

HBRUSH CSecondaryWindow::OnCtlColorStatic(CDC* dc, CWnd* /*control*/, UINT /*kind*/) {
  dc->SetBkMode(TRANSPARENT);
  return redScreenMode ? &redBrush_ : &windowBrush_;
}

HBRUSH CSecondaryWindow::OnCtlColor(CDC* dc, CWnd* control, UINT kind) {
  if (redScreenMode) return &redBrush_;
  return CDialog::OnCtlColor(dc, control, kind);
}

}  // namespace vespera
