#pragma once
// The handheld shell's calls. There is no task bar, Start menu or input
// panel here, so most are accepted and do nothing; dialog initialisation
// still sizes the dialog to the screen, bitmap files really load, and
// tap-and-hold is really recognised.

#include <string>
#include <string_view>

#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/windows/Messages.h"

// The shell library's one-time start-up call.
BOOL SHInitExtraControls();

inline constexpr DWORD SHIDIM_FLAGS = 0x0001;
inline constexpr DWORD SHIDIF_DONEBUTTON = 0x0001;
inline constexpr DWORD SHIDIF_SIZEDLG = 0x0002;
inline constexpr DWORD SHIDIF_SIZEDLGFULLSCREEN = 0x0004;
inline constexpr DWORD SHIDIF_SIPDOWN = 0x0008;
inline constexpr DWORD SHIDIF_FULLSCREENNOMENUBAR = 0x0010;

struct SHINITDLGINFO {
  DWORD dwMask = 0;
  HWND hDlg = nullptr;
  DWORD dwFlags = 0;
};

// With SHIDIF_SIZEDLG or SHIDIF_SIZEDLGFULLSCREEN the dialog is moved to
// (0, 0) and sized to the screen.
BOOL SHInitDialog(SHINITDLGINFO* info);

inline constexpr DWORD SHFS_SHOWTASKBAR = 0x0001;
inline constexpr DWORD SHFS_HIDETASKBAR = 0x0002;
inline constexpr DWORD SHFS_SHOWSIPBUTTON = 0x0004;
inline constexpr DWORD SHFS_HIDESIPBUTTON = 0x0008;
inline constexpr DWORD SHFS_SHOWSTARTICON = 0x0010;
inline constexpr DWORD SHFS_HIDESTARTICON = 0x0020;

// Nothing to show or hide here: TRUE for an existing window.
BOOL SHFullScreen(HWND window, DWORD state);

enum SIPSTATE { SIP_UP = 0, SIP_DOWN, SIP_FORCEDOWN, SIP_UNCHANGED, SIP_INPUTDIALOG };
BOOL SHSipPreference(HWND window, SIPSTATE state);

// A device-independent bitmap file (1, 4, 8, 24 or 32 bits); an empty bitmap
// (GetSafeHandle() null) when the file is missing, truncated or malformed.
CBitmap SHLoadDIBitmap(std::u16string_view path);
CBitmap SHLoadDIBitmap(const std::string& utf8Path);
// The same; on failure `reason` says why (the device's call keeps that to
// itself), for a line on standard error.
CBitmap SHLoadDIBitmap(const std::string& utf8Path, std::string& reason);

inline constexpr DWORD SHRG_RETURNCMD = 0x0001;
inline constexpr DWORD SHRG_NOTIFYPARENT = 0x0002;
inline constexpr DWORD SHRG_LONGDELAY = 0x0008;
inline constexpr DWORD GN_CONTEXTMENU = 1000;

// How long the stylus must stay down, and how far it may wander meanwhile.
inline constexpr DWORD kTapAndHoldMilliseconds = 500;
inline constexpr LONG kTapAndHoldTolerance = 5;

struct SHRGINFO {
  DWORD cbSize = sizeof(SHRGINFO);
  HWND hwndClient = nullptr;
  POINT ptDown{};  // client coordinates of hwndClient
  DWORD dwFlags = 0;
};

// The notification SHRG_NOTIFYPARENT sends (WM_NOTIFY, code GN_CONTEXTMENU).
struct NMRGINFO {
  NMHDR hdr;
  POINT ptAction{};  // screen coordinates
  DWORD dwItemSpec = 0;
};

// Called while handling WM_LBUTTONDOWN: waits (running the backend, not the
// message loop) until the stylus is lifted or moved away, answering 0, or
// has stayed down long enough, answering GN_CONTEXTMENU. With
// SHRG_NOTIFYPARENT the parent of hwndClient is told with WM_NOTIFY first.
DWORD SHRecognizeGesture(SHRGINFO* info);
