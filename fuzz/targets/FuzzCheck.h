#pragma once
// Property checks inside fuzz targets. A failed check names the condition and
// aborts, so libFuzzer keeps the input and the replay test fails on it.

namespace fuzz_support {
[[noreturn]] void CheckFailed(const char* condition, const char* file, int line);
}  // namespace fuzz_support

#define FUZZ_CHECK(condition) \
  ((condition) ? void() : ::fuzz_support::CheckFailed(#condition, __FILE__, __LINE__))
