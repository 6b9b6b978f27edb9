#pragma once
// A fresh folder of its own under the system temporary folder (TMPDIR, which
// fuzz/run may put on a memory file system) for one test or one fuzz input,
// removed with everything in it afterwards. A folder or a file that cannot
// be made throws: a test or target that silently wrote nothing would test
// nothing but missing files.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>

namespace vespera {

class ScratchFolder {
 public:
  ScratchFolder() {
    std::error_code error;
    std::string pattern = (std::filesystem::temp_directory_path(error) / "vespera-test-XXXXXX").string();
    if (error || ::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no scratch folder: " + pattern);
    path_ = pattern;
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }

  std::filesystem::path operator/(std::string_view name) const { return path_ / name; }
  // With the trailing separator, as the program directory has it.
  std::string Directory() const { return path_.string() + "/"; }
  std::string File(std::string_view name) const { return (path_ / name).string(); }

  // Writes bytes to a file of the folder and returns its path.
  std::string Write(std::string_view name, std::string_view bytes) const {
    const std::string path = File(name);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file.good()) throw std::runtime_error("cannot write " + path);
    return path;
  }
  // Puts a folder where a file of that name would be, and returns its path.
  std::string MakeFolder(std::string_view name) const {
    const std::string path = File(name);
    std::error_code error;
    std::filesystem::create_directory(path, error);
    if (error) throw std::runtime_error("cannot make the folder " + path);
    return path;
  }

 private:
  std::filesystem::path path_;
};

}  // namespace vespera
