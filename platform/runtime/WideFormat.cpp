#include "platform/runtime/WideFormat.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>

namespace {

constexpr int kDefaultPrecision = 6;

// The longest fixed-notation double: sign, 309 integer digits, the point and
// the largest precision, with room to spare.
constexpr std::size_t kNumberBufferSize = 1 + 309 + 1 + kMaxWideFormatPrecision + 8;

void AppendFixed(WideString& out, double value, int precision) {
  std::array<char, kNumberBufferSize> buffer{};
  const auto result =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, precision);
  if (result.ec != std::errc{}) return;
  // to_chars writes only ASCII digits, signs, '.' and the letters of nan/inf.
  for (const char* c = buffer.data(); c != result.ptr; ++c) out += static_cast<char16_t>(*c);
}

}  // namespace

WideString FormatWide(std::u16string_view format, std::initializer_list<WideFormatArgument> arguments) {
  WideString out;
  out.reserve(format.size() + 16);
  auto next = arguments.begin();
  auto take = [&]() -> const WideFormatArgument* { return next == arguments.end() ? nullptr : next++; };

  for (std::size_t i = 0; i < format.size(); ++i) {
    const char16_t c = format[i];
    if (c != u'%' || i + 1 == format.size()) {
      out += c;
      continue;
    }
    std::size_t at = i + 1;
    if (format[at] == u'%') {
      out += u'%';
      i = at;
      continue;
    }
    int precision = kDefaultPrecision;
    if (format[at] == u'.') {
      precision = 0;
      ++at;
      while (at < format.size() && format[at] >= u'0' && format[at] <= u'9') {
        precision = std::min(precision * 10 + (format[at] - u'0'), kMaxWideFormatPrecision);
        ++at;
      }
    }
    if (at < format.size() && format[at] == u'f') {
      if (const WideFormatArgument* argument = take()) {
        if (const double* value = std::get_if<double>(argument)) AppendFixed(out, *value, precision);
      }
      i = at;
    } else if (at < format.size() && format[at] == u's' && at == i + 1) {
      if (const WideFormatArgument* argument = take()) {
        if (const auto* text = std::get_if<std::u16string_view>(argument)) out += *text;
      }
      i = at;
    } else {
      out += c;  // not a conversion this formatter knows: the text stays as written
    }
  }
  return out;
}
