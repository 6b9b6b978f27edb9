#include "catalog/RecordFile.h"

#include <fcntl.h>
#include <unistd.h>

namespace vespera {

namespace catalog_file {

Expected<FileHandle> OpenRegularFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return Failure("the file cannot be opened");
  struct stat info {};
  const int flags = ::fcntl(fd, F_GETFL);
  // A folder, a FIFO or a device: the loader would fail on it or wait for ever.
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || flags < 0 ||
      ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
    ::close(fd);
    return Failure("the file cannot be read");
  }
  FileHandle file(::fdopen(fd, "rb"));
  if (!file) {
    ::close(fd);
    return Failure("the file cannot be opened");
  }
  return Expected<FileHandle>(std::move(file));
}

std::uint64_t BytesAfterRecords(std::FILE* file, std::uint64_t count, std::size_t recordSize) {
  struct stat info {};
  if (fstat(fileno(file), &info) != 0) return 0;
  const std::uint64_t used = 4 + count * recordSize;
  const auto size = static_cast<std::uint64_t>(info.st_size);
  return size > used ? size - used : 0;
}

std::uint64_t RecordsThatFit(std::FILE* file, std::size_t recordSize) {
  struct stat info {};
  if (fstat(fileno(file), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < 4) return 0;
  return (static_cast<std::uint64_t>(info.st_size) - 4) / recordSize;
}

}  // namespace catalog_file

}  // namespace vespera
