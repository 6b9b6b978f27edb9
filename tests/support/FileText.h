#pragma once
// A whole file as its bytes, for tests that look at what the program wrote.
// A missing file reads as empty.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace vespera {

inline std::string ReadFileText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace vespera
