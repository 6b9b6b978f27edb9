#include "shell/FullScreen.h"

#include "platform/handheld/HandheldShell.h"
#include "platform/windows/MessageApi.h"
#include "platform/windows/SystemApi.h"
#include "platform/windows/WindowApi.h"

namespace vespera {

namespace {

constexpr LONG kStartMenuCornerWidth = 50;

}  // namespace

void InitFullScreenDialog(CWnd& window) {
  SHINITDLGINFO info;
  info.dwMask = SHIDIM_FLAGS;
  info.hDlg = window.m_hWnd;
  info.dwFlags = SHIDIF_DONEBUTTON | SHIDIF_SIZEDLGFULLSCREEN;
  SHInitDialog(&info);
}

void EnterFullScreen(CWnd& window, bool showInputPanelButton, bool coverScreen) {
  SHFullScreen(window.m_hWnd, SHFS_HIDETASKBAR);
  SHFullScreen(window.m_hWnd, showInputPanelButton ? SHFS_SHOWSIPBUTTON : SHFS_HIDESIPBUTTON);
  SHFullScreen(window.m_hWnd, SHFS_HIDESTARTICON);
  if (coverScreen) window.MoveWindow(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), TRUE);
}

void OpenStartMenu(CWnd& window) {
  const HWND taskBar = FindWindow(u"HHTaskBar", u"");
  if (!taskBar) return;
  RECT client;
  GetClientRect(taskBar, &client);
  // The Start button is the square at the bar's left end; tap its middle.
  const LONG half = client.bottom / 2;
  SHFullScreen(window.m_hWnd, SHFS_SHOWSTARTICON);
  PostMessage(taskBar, WM_LBUTTONDOWN, MK_LBUTTON, LParamFromPoint({half, half}));
  SHFullScreen(window.m_hWnd, SHFS_HIDESTARTICON);
}

bool IsStartMenuCorner(POINT tap, int stripHeight) { return tap.x < kStartMenuCornerWidth && tap.y < stripHeight; }

}  // namespace vespera
