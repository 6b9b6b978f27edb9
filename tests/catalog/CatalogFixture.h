#pragma once
// Writes small catalogue files for tests into a fresh folder of their own.

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/runtime/LittleEndian.h"

class CatalogFolder {
 public:
  explicit CatalogFolder(const std::string& tag)
      : dir_(std::filesystem::temp_directory_path() /
             ("vespera-catalog-" + std::to_string(::getpid()) + "-" + tag)) {
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  ~CatalogFolder() { std::filesystem::remove_all(dir_); }

  // The folder with its trailing separator, as the program directory is given.
  std::string directory() const { return dir_.string() + "/"; }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }

  void WriteBytes(const std::string& name, const std::vector<unsigned char>& bytes) const {
    std::ofstream(Path(name), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }

  // A count followed by the records' bytes; extra bytes may be cut or added.
  template <class Record>
  void WriteRecords(const std::string& name, std::uint32_t count, const std::vector<Record>& records,
                    std::size_t dropTailBytes = 0) const {
    std::vector<unsigned char> bytes(4);
    WriteLittleU32(bytes.data(), count);
    for (const Record& r : records) bytes.insert(bytes.end(), r.bytes.begin(), r.bytes.end());
    bytes.resize(bytes.size() - dropTailBytes);
    WriteBytes(name, bytes);
  }

 private:
  std::filesystem::path dir_;
};
