#include "appcore/ProgramDirectory.h"

#include <array>
#include <filesystem>
#include <system_error>

#include "platform/runtime/CodePage.h"
#include "platform/windows/SystemApi.h"

namespace vespera {

namespace {

constexpr DWORD kMaxModulePath = 260;

std::string ExecutableOfThisProcess() {
  std::error_code error;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string() : exe.string();
}

}  // namespace

std::string ProgramDirectoryOf(const std::string& modulePath) {
  const auto cut = modulePath.find_last_of("/\\");
  return cut == std::string::npos ? std::string() : modulePath.substr(0, cut + 1);
}

std::string GetProgramDirectory() {
  std::array<WCHAR, kMaxModulePath> buffer{};
  const DWORD length = GetModuleFileName(nullptr, buffer.data(), kMaxModulePath);
  // A name that fills the device's buffer may have been cut, and a cut path
  // names some other folder; this system's own answer has no such limit.
  if (length > 0 && length < kMaxModulePath - 1)
    return ProgramDirectoryOf(WideToUtf8(std::u16string_view(buffer.data(), length)));
  return ProgramDirectoryOf(ExecutableOfThisProcess());
}

Expected<void> CheckProgramDirectory(const std::string& directory) {
  if (directory.empty()) return Failure("the program's own path cannot be read");
  std::error_code error;
  const auto status = std::filesystem::status(directory, error);
  if (!std::filesystem::exists(status)) return Failure("the folder does not exist");
  if (!std::filesystem::is_directory(status)) return Failure("it is not a folder");
  std::filesystem::directory_iterator listing(directory, error);
  if (error) return Failure("the folder cannot be read (" + error.message() + ")");
  return {};
}

}  // namespace vespera
