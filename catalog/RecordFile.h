#pragma once
// Reads a catalogue data file: a 4-byte little-endian record count, then the
// records back to back. Exactly two reads: the count, then one bulk read into
// the table's storage. A damaged file keeps the whole records it holds and
// answers with the reason it is damaged.

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

struct OpenedFile {
  FileHandle file;
  std::uint64_t size;  // in bytes, when opened
};

// The file at path if it is a regular file, opened without blocking on a FIFO
// or a device; otherwise why not.
Expected<OpenedFile> OpenRegularFile(const std::string& path);

// How many records of recordSize bytes a file of fileSize bytes can hold
// after its count; a count larger than this never reaches the allocator.
std::uint64_t RecordsThatFit(std::uint64_t fileSize, std::size_t recordSize);

// The bytes after `count` records and the count, when the file is longer.
std::uint64_t BytesAfterRecords(std::uint64_t fileSize, std::uint64_t count, std::size_t recordSize);

}  // namespace catalog_file

// Missing, short or empty files leave the table as it was. A count of zero
// is an empty catalogue, and bytes after the last record are ignored; both
// still answer with the reason, as they point at a damaged file.
template <class Record>
Expected<void> LoadRecordFile(const std::string& path, RecordTable<Record>& table) {
  Expected<catalog_file::OpenedFile> opened = catalog_file::OpenRegularFile(path);
  if (!opened) return Failure(opened.reason());
  const catalog_file::FileHandle file = std::move(opened->file);
  const std::uint64_t fileSize = opened->size;
  unsigned char countBytes[4];
  if (std::fread(countBytes, 1, sizeof countBytes, file.get()) != sizeof countBytes)
    return Failure(std::ferror(file.get()) ? "the file cannot be read" : "the file ends inside its record count");
  const std::uint64_t declared = ReadLittleU32(countBytes);
  if (declared == 0) return Failure("the file declares no records");
  const std::uint64_t fit = catalog_file::RecordsThatFit(fileSize, Record::kSize);
  const std::uint64_t count = declared > fit ? fit : declared;
  table.Resize(static_cast<std::size_t>(count));
  const std::size_t bytesRead =
      std::fread(table.data(), 1, static_cast<std::size_t>(count) * Record::kSize, file.get());
  // A file that shrank between the size check and the read keeps only the
  // whole records that arrived.
  table.Resize(bytesRead / Record::kSize);
  if (declared > fit) return Failure("the record count runs past the end of the file");
  if (table.count() < count) return Failure("the file shrank while it was read");
  if (const std::uint64_t extra = catalog_file::BytesAfterRecords(fileSize, count, Record::kSize))
    return Failure(std::to_string(extra) + " bytes follow the last record");
  return {};
}

}  // namespace vespera
