#pragma once
// printf-style formatting into wide text for the program's fixed messages
// ("Star: %s, mag: %.2f"). Only what those messages use is understood: %s
// takes wide text, %f and %.Nf take a number, %% is a percent sign.
//
// Numbers are written by std::to_chars, so the decimal point is '.' whatever
// the C locale says, and NaN or infinity come out as text ("nan", "inf")
// instead of being undefined. A conversion whose argument is missing or of the
// other kind writes nothing; any other '%' sequence is copied as it stands.

#include <initializer_list>
#include <string_view>
#include <variant>

#include "platform/runtime/WinTypes.h"

using WideFormatArgument = std::variant<std::u16string_view, double>;

// Precisions above this are written with this many decimals.
inline constexpr int kMaxWideFormatPrecision = 30;

WideString FormatWide(std::u16string_view format, std::initializer_list<WideFormatArgument> arguments);
