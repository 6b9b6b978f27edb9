// The libFuzzer entry of one target; VESPERA_FUZZ_TARGET names it.

#include <cstdio>
#include <cstdlib>

#include "fuzz/targets/FuzzTargets.h"

namespace {

const FuzzTarget& ThisTarget() {
  static const FuzzTarget* const target = [] {
    const FuzzTarget* found = FindFuzzTarget(VESPERA_FUZZ_TARGET);
    if (found == nullptr) {
      std::fprintf(stderr, "no fuzz target named %s\n", VESPERA_FUZZ_TARGET);
      std::abort();
    }
    return found;
  }();
  return *target;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ThisTarget().run(FuzzBytes(data, size));
  return 0;
}
