#pragma once
// Handles as the device hands them out: opaque values that name an object the
// platform keeps. A handle never owns anything; the value inside is a number
// that is never reused, so a stale handle simply names no object.

#include <cstdint>

#include "platform/runtime/WinTypes.h"

struct HWND__;
struct HINSTANCE__;
struct HICON__;
struct HMENU__;
using HWND = HWND__*;
using HINSTANCE = HINSTANCE__*;
using HMODULE = HINSTANCE;
using HICON = HICON__*;
using HMENU = HMENU__*;
using HANDLE = void*;

class CBrush;
// Control-colour handlers answer with the brush to paint with.
using HBRUSH = const CBrush*;

template <class Handle>
Handle HandleFromNumber(std::uint32_t number) {
  return reinterpret_cast<Handle>(static_cast<std::uintptr_t>(number));
}

template <class Handle>
std::uint32_t NumberOfHandle(Handle handle) {
  return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(handle));
}

inline LPARAM LParamFromHwnd(HWND window) { return static_cast<LPARAM>(NumberOfHandle(window)); }
inline HWND HwndFromParam(std::uintptr_t value) {
  return HandleFromNumber<HWND>(static_cast<std::uint32_t>(value));
}
