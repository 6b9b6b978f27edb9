#include "fuzz/targets/ScratchFolder.h"

#include <stdlib.h>

#include <fstream>
#include <system_error>

#include "fuzz/targets/FuzzCheck.h"

ScratchFolder::ScratchFolder() {
  std::error_code error;
  std::string pattern = (std::filesystem::temp_directory_path(error) / "vespera-fuzz-XXXXXX").string();
  // Without a folder every file write would silently miss and the target
  // would test nothing but missing files.
  FUZZ_CHECK(!error && ::mkdtemp(pattern.data()) != nullptr);
  path_ = pattern;
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string ScratchFolder::Write(std::string_view name, std::string_view bytes) const {
  const std::string path = PathOf(name);
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  FUZZ_CHECK(file.good());
  return path;
}

std::string ScratchFolder::MakeFolder(std::string_view name) const {
  const std::string path = PathOf(name);
  std::error_code error;
  std::filesystem::create_directory(path, error);
  FUZZ_CHECK(!error);
  return path;
}
