#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

#include "fuzz/targets/FuzzTargets.h"

namespace {

namespace fs = std::filesystem;

const fs::path kInputs = VESPERA_FUZZ_INPUTS_DIR;
constexpr const char* kInputFolders[] = {"corpus", "regressions"};

std::vector<fs::path> FilesIn(const fs::path& folder) {
  std::vector<fs::path> files;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(folder, error))
    if (entry.is_regular_file()) files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  return files;
}

std::vector<std::uint8_t> ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

class FuzzReplay : public ::testing::TestWithParam<FuzzTarget> {};

// A failed property aborts the process; the name printed last is the input
// that did it (ctest shows the output of failed tests).
TEST_P(FuzzReplay, EveryKeptInputRunsCleanly) {
  const FuzzTarget& target = GetParam();
  target.run({});
  for (const char* folder : kInputFolders)
    for (const fs::path& file : FilesIn(kInputs / folder / target.name)) {
      std::cout << "replaying " << file.string() << std::endl;
      const std::vector<std::uint8_t> bytes = ReadBytes(file);
      target.run(bytes);
    }
}

TEST_P(FuzzReplay, HasSeeds) { EXPECT_FALSE(FilesIn(kInputs / "corpus" / GetParam().name).empty()); }

INSTANTIATE_TEST_SUITE_P(Targets, FuzzReplay, ::testing::ValuesIn(AllFuzzTargets().begin(),
                                                                    AllFuzzTargets().end()),
                         [](const auto& info) { return std::string(info.param.name); });

// A folder whose name matches no target would never be replayed.
TEST(FuzzInputFolders, EveryFolderNamesATarget) {
  for (const char* folder : kInputFolders) {
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(kInputs / folder, error))
      EXPECT_NE(FindFuzzTarget(entry.path().filename().string()), nullptr) << entry.path();
  }
}

}  // namespace
