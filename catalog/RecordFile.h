#pragma once
// Reads a catalogue data file: a 4-byte little-endian record count, then the
// records back to back. Exactly two reads: the count, then one bulk read into
// the table's storage. A damaged file keeps the whole records it holds and
// answers with the reason it is damaged.

#include <sys/stat.h>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

#include "catalog/RecordTable.h"
#include "platform/runtime/Expected.h"
#include "platform/runtime/LittleEndian.h"

namespace vespera {

namespace catalog_file {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// How many records of recordSize bytes the file can hold after its count; a
// count larger than this never reaches the allocator.
std::uint64_t RecordsThatFit(std::FILE* file, std::size_t recordSize);

}  // namespace catalog_file

// Missing, short or empty files leave the table as it was.
template <class Record>
Expected<void> LoadRecordFile(const std::string& path, RecordTable<Record>& table) {
  catalog_file::FileHandle file(std::fopen(path.c_str(), "rb"));
  if (!file) return Failure("the file cannot be opened");
  unsigned char countBytes[4];
  // A folder opens like a file on this system and fails only when read.
  if (std::fread(countBytes, 1, sizeof countBytes, file.get()) != sizeof countBytes)
    return Failure(std::ferror(file.get()) ? "the file cannot be read" : "the file ends inside its record count");
  const std::uint64_t declared = ReadLittleU32(countBytes);
  if (declared == 0) return {};
  const std::uint64_t fit = catalog_file::RecordsThatFit(file.get(), Record::kSize);
  const std::uint64_t count = declared > fit ? fit : declared;
  table.Resize(static_cast<std::size_t>(count));
  const std::size_t bytesRead =
      std::fread(table.data(), 1, static_cast<std::size_t>(count) * Record::kSize, file.get());
  // A file that shrank between the size check and the read keeps only the
  // whole records that arrived.
  table.Resize(bytesRead / Record::kSize);
  if (declared > fit) return Failure("the record count runs past the end of the file");
  if (table.count() < count) return Failure("the file shrank while it was read");
  return {};
}

}  // namespace vespera
