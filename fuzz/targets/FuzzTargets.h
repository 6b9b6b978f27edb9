#pragma once
// The fuzz targets as plain functions. The libFuzzer executables and the
// replay test in the normal test suite call the same functions, so a kept
// crashing input keeps exercising exactly the code that crashed.
//
// A target returns normally for every input; a broken property aborts the
// process (FuzzCheck.h), which both libFuzzer and the test report as a crash.

#include <cstdint>
#include <span>
#include <string_view>

using FuzzBytes = std::span<const std::uint8_t>;

void FuzzCatalogLoader(FuzzBytes data);
void FuzzIniPages(FuzzBytes data);
void FuzzSearch(FuzzBytes data);
void FuzzProfileStore(FuzzBytes data);
void FuzzTextConversions(FuzzBytes data);
void FuzzBmpLoader(FuzzBytes data);
void FuzzScriptParser(FuzzBytes data);
void FuzzHtmlView(FuzzBytes data);
void FuzzPlaceTimeText(FuzzBytes data);

struct FuzzTarget {
  // Names the executable (fuzz_<name>) and the folders of kept inputs
  // (fuzz/corpus/<name>, fuzz/regressions/<name>).
  std::string_view name;
  void (*run)(FuzzBytes data);
};

std::span<const FuzzTarget> AllFuzzTargets();

// The target called name, or nullptr.
const FuzzTarget* FindFuzzTarget(std::string_view name);
