#include "platform/handheld/HandheldShell.h"

#include <cstdlib>

#include "platform/gdi/ImageFiles.h"
#include "platform/runtime/CodePage.h"
#include "platform/windows/Desktop.h"
#include "platform/windows/MessageApi.h"
#include "platform/windows/SystemApi.h"
#include "platform/windows/WindowApi.h"

BOOL SHInitExtraControls() { return TRUE; }

BOOL SHInitDialog(SHINITDLGINFO* info) {
  if (!info || !IsWindow(info->hDlg)) return FALSE;
  if ((info->dwMask & SHIDIM_FLAGS) && (info->dwFlags & (SHIDIF_SIZEDLG | SHIDIF_SIZEDLGFULLSCREEN)))
    MoveWindow(info->hDlg, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), TRUE);
  return TRUE;
}

BOOL SHFullScreen(HWND window, DWORD /*state*/) { return IsWindow(window); }

BOOL SHSipPreference(HWND window, SIPSTATE /*state*/) { return IsWindow(window); }

CBitmap SHLoadDIBitmap(const std::string& utf8Path) { return LoadBmpFile(std::filesystem::path(utf8Path)); }

CBitmap SHLoadDIBitmap(const std::string& utf8Path, std::string& reason) {
  auto bitmap = ReadBmpFile(std::filesystem::path(utf8Path));
  if (bitmap) return std::move(*bitmap);
  reason = bitmap.reason();
  return CBitmap();
}

CBitmap SHLoadDIBitmap(std::u16string_view path) { return SHLoadDIBitmap(WideToUtf8(path)); }

namespace {

enum class Gesture { Lifted, Moved, Held, Abandoned };

Gesture WatchStylus(Desktop& desktop, POINT downOnScreen, DWORD hold) {
  const DWORD start = desktop.Input().StylusDownTime();
  for (;;) {
    if (desktop.QuitRequested()) return Gesture::Abandoned;
    if (!desktop.Input().StylusIsDown()) return Gesture::Lifted;
    const POINT now = desktop.Input().StylusPosition();
    if (std::abs(now.x - downOnScreen.x) > kTapAndHoldTolerance ||
        std::abs(now.y - downOnScreen.y) > kTapAndHoldTolerance)
      return Gesture::Moved;
    if (desktop.Now() - start >= hold) return Gesture::Held;
    desktop.WaitForInput(start + hold);
  }
}

}  // namespace

DWORD SHRecognizeGesture(SHRGINFO* info) {
  Desktop* desktop = Desktop::Current();
  if (!desktop || !desktop->OnWindowThread() || !info || info->cbSize < sizeof(SHRGINFO) ||
      !IsWindow(info->hwndClient))
    return 0;
  POINT screen = info->ptDown;
  ClientToScreen(info->hwndClient, &screen);
  const DWORD hold = (info->dwFlags & SHRG_LONGDELAY) ? 2 * kTapAndHoldMilliseconds : kTapAndHoldMilliseconds;
  if (WatchStylus(*desktop, screen, hold) != Gesture::Held) return 0;
  if (info->dwFlags & SHRG_NOTIFYPARENT) {
    NMRGINFO notification;
    notification.hdr.hwndFrom = info->hwndClient;
    notification.hdr.idFrom = UINT_PTR(GetDlgCtrlID(info->hwndClient));
    notification.hdr.code = GN_CONTEXTMENU;
    notification.ptAction = screen;
    SendMessage(GetParent(info->hwndClient), WM_NOTIFY, notification.hdr.idFrom, LParamFromPointer(&notification));
  }
  return GN_CONTEXTMENU;
}
