#pragma once
// The device's system queries: screen metrics, platform type, clock, key
// state, module file name, threads, beeps and system colours. All may be
// called from any thread; without a running Desktop they answer as failing.

#include <cstddef>
#include <cstdint>

#include "platform/runtime/WinTypes.h"
#include "platform/windows/DisplayFilter.h"
#include "platform/windows/SystemColours.h"
#include "platform/windows/WindowHandles.h"

using SHORT = std::int16_t;

inline constexpr int SM_CXSCREEN = 0;
inline constexpr int SM_CYSCREEN = 1;
int GetSystemMetrics(int index);

// How far a pointer held on the screen moves, in screen pixels, before it
// drags rather than taps: the caller's stylusThreshold for the stylus; for a
// finger (touch), the larger of that and the platform's own touch threshold,
// about 2 mm at the screen's logical density (96 dpi, or 192 from 480 pixels
// wide), so 8 or 15; at 96 dpi when no desktop runs. A fingertip wobbles
// further than a stylus tip.
int GetDragThreshold(int stylusThreshold, bool touch);

inline constexpr UINT SPI_GETPLATFORMTYPE = 257;
// SPI_GETPLATFORMTYPE copies the platform type string into `param`, a buffer
// of uiParam bytes; FALSE when it does not fit.
BOOL SystemParametersInfo(UINT action, UINT uiParam, void* param, UINT winIni);

// Milliseconds since the device started (the headless clock moves only by script).
DWORD GetTickCount();

// Milliseconds of UTC since 1970-01-01 00:00: the system clock in a real run;
// a headless run starts at 2000-01-01 12:00 UTC and moves only by script.
std::int64_t GetUtcMilliseconds();

// High bit set while the key (VK_LBUTTON: the stylus) is down at this moment.
SHORT GetAsyncKeyState(int virtualKey);

// The executable's path as UTF-16, cut to size - 1 units and terminated;
// answers the number of units copied.
DWORD GetModuleFileName(HMODULE module, WCHAR* buffer, DWORD size);
HINSTANCE GetModuleHandle(const WCHAR* moduleName);

using LPTHREAD_START_ROUTINE = DWORD (*)(void* parameter);
// Runs `start` on a new thread at once (flags, stack size and security
// attributes are ignored). The thread counts as background work until it
// returns. The handle only names the thread and needs no closing.
HANDLE CreateThread(void* securityAttributes, std::size_t stackSize, LPTHREAD_START_ROUTINE start,
                    void* parameter, DWORD creationFlags, DWORD* threadId);

// One line for whoever watches the device (standard error here); any thread.
void OutputDebugString(const WCHAR* text);

// Counted by the desktop; makes no sound.
inline constexpr UINT MB_OK = 0x00000000;
BOOL MessageBeep(UINT type);

inline constexpr int COLOR_SCROLLBAR = 0;
inline constexpr int COLOR_BACKGROUND = 1;
inline constexpr int COLOR_WINDOW = 5;
inline constexpr int COLOR_WINDOWFRAME = 6;
inline constexpr int COLOR_WINDOWTEXT = 8;
inline constexpr int COLOR_HIGHLIGHT = 13;
inline constexpr int COLOR_HIGHLIGHTTEXT = 14;
inline constexpr int COLOR_BTNFACE = 15;
inline constexpr int COLOR_BTNSHADOW = 16;
inline constexpr int COLOR_GRAYTEXT = 17;
inline constexpr int COLOR_BTNTEXT = 18;
inline constexpr int COLOR_BTNHIGHLIGHT = 20;
inline constexpr int COLOR_3DDKSHADOW = 21;
inline constexpr int COLOR_HOTLIGHT = 26;  // links
inline constexpr int COLOR_3DFACE = COLOR_BTNFACE;
inline constexpr int COLOR_3DSHADOW = COLOR_BTNSHADOW;
inline constexpr int COLOR_3DHIGHLIGHT = COLOR_BTNHIGHLIGHT;
// In the desktop's current scheme; the day scheme without a desktop.
COLORREF GetSysColor(int index);
// A brush of the system colour, owned by the desktop; null without one.
HBRUSH GetSysColorBrush(int index);
// Switches every system colour to the day or the night scheme
// (SYSCOLORSCHEME_DAY, SYSCOLORSCHEME_NIGHT). Every window is told with
// WM_SYSCOLORCHANGE and repainted with its background erased. False without
// a desktop, off the window thread or for an unknown scheme.
BOOL SetSysColorScheme(UINT scheme);
UINT GetSysColorScheme();
// The display's night filter: from `level` 1 to 100 (kDisplayFilterMaxLevel)
// everything shown is its brightness in red only, white at that percentage
// of full red; kDisplayFilterOff (0) shows the screen as drawn. The screen's
// pixels do not change, only what the display and screenshots show. False
// without a desktop, off the window thread or for a level over 100.
BOOL SetDisplayFilter(UINT level);
UINT GetDisplayFilter();
