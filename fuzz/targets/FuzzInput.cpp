#include "fuzz/targets/FuzzInput.h"

#include <cstdio>
#include <cstdlib>

#include "fuzz/targets/FuzzCheck.h"

std::uint8_t FuzzInput::TakeByte() {
  if (rest_.empty()) return 0;
  const auto byte = static_cast<std::uint8_t>(rest_.front());
  rest_.remove_prefix(1);
  return byte;
}

std::uint32_t FuzzInput::TakeU32() {
  std::uint32_t value = 0;
  for (int shift = 0; shift < 32; shift += 8) value |= std::uint32_t(TakeByte()) << shift;
  return value;
}

std::string_view FuzzInput::TakePart() {
  const std::size_t end = rest_.find(kPartSeparator);
  if (end == std::string_view::npos) return TakeRest();
  const std::string_view part = rest_.substr(0, end);
  rest_.remove_prefix(end + kPartSeparator.size());
  return part;
}

std::string_view FuzzInput::TakeRest() {
  const std::string_view part = rest_;
  rest_ = {};
  return part;
}

namespace fuzz_support {

void CheckFailed(const char* condition, const char* file, int line) {
  std::fprintf(stderr, "fuzz check failed: %s (%s:%d)\n", condition, file, line);
  std::abort();
}

}  // namespace fuzz_support
