#include "platform/windows/SystemApi.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/runtime/CodePage.h"
#include "platform/windows/Desktop.h"

int GetSystemMetrics(int index) {
  const Desktop* desktop = Desktop::Current();
  if (!desktop) return 0;
  switch (index) {
    case SM_CXSCREEN: return desktop->Profile().width;
    case SM_CYSCREEN: return desktop->Profile().height;
    default: return 0;
  }
}

int GetDragThreshold(int stylusThreshold, bool touch) {
  if (!touch) return stylusThreshold;
  constexpr double kDragMillimetres = 2.0;
  constexpr double kMillimetresPerInch = 25.4;
  constexpr int kDefaultDpi = 96;
  const Desktop* desktop = Desktop::Current();
  const int dpi = desktop ? desktop->LogicalDpi() : kDefaultDpi;
  return std::max(stylusThreshold, int(std::lround(kDragMillimetres * dpi / kMillimetresPerInch)));
}

BOOL SystemParametersInfo(UINT action, UINT uiParam, void* param, UINT /*winIni*/) {
  const Desktop* desktop = Desktop::Current();
  if (!desktop || action != SPI_GETPLATFORMTYPE || !param) return FALSE;
  const WideString& type = desktop->Profile().platformType;
  const std::size_t capacity = uiParam / sizeof(WCHAR);
  if (type.size() + 1 > capacity) return FALSE;
  auto* out = static_cast<WCHAR*>(param);
  std::copy(type.begin(), type.end(), out);
  out[type.size()] = 0;
  return TRUE;
}

DWORD GetTickCount() {
  const Desktop* desktop = Desktop::Current();
  return desktop ? desktop->Now() : 0;
}

std::int64_t GetUtcMilliseconds() {
  const Desktop* desktop = Desktop::Current();
  return desktop ? desktop->UtcMilliseconds() : 0;
}

SHORT GetAsyncKeyState(int virtualKey) {
  Desktop* desktop = Desktop::Current();
  if (!desktop || virtualKey <= 0 || virtualKey >= int(kVirtualKeyCount)) return 0;
  return desktop->Input().IsKeyDown(UINT(virtualKey)) ? SHORT(0x8000) : SHORT(0);
}

DWORD GetModuleFileName(HMODULE /*module*/, WCHAR* buffer, DWORD size) {
  const Desktop* desktop = Desktop::Current();
  if (!desktop || !buffer || size == 0) return 0;
  const WideString path = Utf8ToWide(desktop->Profile().modulePath);
  const std::size_t count = std::min<std::size_t>(path.size(), size - 1);
  std::copy_n(path.begin(), count, buffer);
  buffer[count] = 0;
  return DWORD(count);
}

HINSTANCE GetModuleHandle(const WCHAR* /*moduleName*/) { return HandleFromNumber<HINSTANCE>(1); }

HANDLE CreateThread(void* /*securityAttributes*/, std::size_t /*stackSize*/, LPTHREAD_START_ROUTINE start,
                    void* parameter, DWORD /*creationFlags*/, DWORD* threadId) {
  Desktop* desktop = Desktop::Current();
  if (!desktop || !start) return nullptr;
  const DWORD id = desktop->Background().Start([start, parameter] { start(parameter); });
  if (id == 0) return nullptr;
  if (threadId) *threadId = id;
  return HandleFromNumber<HANDLE>(id);
}

void OutputDebugString(const WCHAR* text) {
  Desktop* desktop = Desktop::Current();
  if (!desktop || !text) return;
  desktop->Debug().WriteLine(WideToUtf8(WideString(text)));
}

BOOL MessageBeep(UINT /*type*/) {
  Desktop* desktop = Desktop::Current();
  if (!desktop || !desktop->OnWindowThread()) return FALSE;
  desktop->Beep();
  return TRUE;
}

COLORREF GetSysColor(int index) { return SystemColour(index, GetSysColorScheme()); }

UINT GetSysColorScheme() {
  const Desktop* desktop = Desktop::Current();
  return desktop ? desktop->ColourScheme() : SYSCOLORSCHEME_DAY;
}

BOOL SetSysColorScheme(UINT scheme) {
  Desktop* desktop = Desktop::Current();
  if (!desktop || !desktop->OnWindowThread()) return FALSE;
  if (scheme != SYSCOLORSCHEME_DAY && scheme != SYSCOLORSCHEME_NIGHT) return FALSE;
  desktop->SetColourScheme(scheme);
  return TRUE;
}

BOOL SetDisplayFilter(UINT level) {
  Desktop* desktop = Desktop::Current();
  if (!desktop || !desktop->OnWindowThread() || level > kDisplayFilterMaxLevel) return FALSE;
  desktop->SetDisplayFilterLevel(level);
  return TRUE;
}

UINT GetDisplayFilter() {
  const Desktop* desktop = Desktop::Current();
  return desktop ? desktop->DisplayFilterLevel() : kDisplayFilterOff;
}

HBRUSH GetSysColorBrush(int index) {
  Desktop* desktop = Desktop::Current();
  if (!desktop || !desktop->OnWindowThread()) return nullptr;
  return &desktop->SystemBrush(index);
}
