#pragma once
// The device's ANSI code page is Windows-1252; wide text is UTF-16.
// File names and INI files on disk are UTF-8.

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/runtime/WinTypes.h"

// The halves of a UTF-16 surrogate pair: the high one comes first.
inline bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c < 0xDC00; }
inline bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c < 0xE000; }

// The replacement written for a wide character that Windows-1252 cannot hold.
inline constexpr char kAnsiReplacement = '?';

char16_t AnsiCharToWide(unsigned char c);

// Converts NUL-terminated ANSI text of at most maxBytes bytes (the field width
// of a record) to wide text; the conversion stops at the first NUL.
WideString AnsiToWide(const char* text, std::size_t maxBytes);
WideString AnsiToWide(std::string_view text);

// Characters outside Windows-1252 become kAnsiReplacement, one byte per UTF-16
// code unit (a surrogate pair gives one replacement).
std::string WideToAnsi(std::u16string_view text);

// UTF-8 <-> UTF-16. Invalid UTF-8 becomes U+FFFD and is never an error;
// unpaired surrogates become U+FFFD on the way back.
WideString Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::u16string_view text);

// Length of NUL-terminated UTF-16 text inside a fixed field of maxUnits units.
std::size_t WideFieldLength(const char16_t* field, std::size_t maxUnits);
