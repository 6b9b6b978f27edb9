#include "catalog/RecordFile.h"

#include "platform/runtime/RegularFile.h"

namespace vespera {

namespace catalog_file {

Expected<OpenedFile> OpenRegularFile(const std::string& path) {
  // A folder, a FIFO or a device: the loader would fail on it or wait for ever.
  RegularFile opened = RegularFile::Open(path);
  if (opened.outcome() == RegularFile::Outcome::kCannotOpen) return Failure("the file cannot be opened");
  if (!opened.is_open()) return Failure("the file cannot be read");
  FileHandle file(::fdopen(opened.fd(), "rb"));
  if (!file) return Failure("the file cannot be opened");
  opened.Release();
  return Expected<OpenedFile>(OpenedFile{std::move(file), opened.size()});
}

std::uint64_t BytesAfterRecords(std::uint64_t fileSize, std::uint64_t count, std::size_t recordSize) {
  const std::uint64_t used = 4 + count * recordSize;
  return fileSize > used ? fileSize - used : 0;
}

std::uint64_t RecordsThatFit(std::uint64_t fileSize, std::size_t recordSize) {
  if (fileSize < 4) return 0;
  return (fileSize - 4) / recordSize;
}

}  // namespace catalog_file

}  // namespace vespera
