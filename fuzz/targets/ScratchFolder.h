#pragma once
// A fresh folder for the files of one fuzz input, removed with its contents
// when the input is done. It lies under the temporary directory (TMPDIR), so
// fuzz/run can put it on a memory file system.

#include <filesystem>
#include <string>
#include <string_view>

class ScratchFolder {
 public:
  ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  ~ScratchFolder();

  // The folder ending with its separator, as the program directory is given.
  std::string directory() const { return path_.string() + "/"; }
  std::string PathOf(std::string_view name) const { return (path_ / name).string(); }

  // Writes bytes to a file of the folder and returns its path.
  std::string Write(std::string_view name, std::string_view bytes) const;
  // Puts a folder where a file of that name would be.
  std::string MakeFolder(std::string_view name) const;

 private:
  std::filesystem::path path_;
};
