#include "app/ProgramDirectory.h"

#include <filesystem>
#include <system_error>

std::string ProgramDirectoryOf(const std::string& modulePath) {
  const auto cut = modulePath.find_last_of("/\\");
  return cut == std::string::npos ? std::string() : modulePath.substr(0, cut + 1);
}

std::string GetProgramDirectory() {
  std::error_code error;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string() : ProgramDirectoryOf(exe.string());
}
