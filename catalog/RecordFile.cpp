#include "catalog/RecordFile.h"

namespace vespera {

namespace catalog_file {

std::uint64_t RecordsThatFit(std::FILE* file, std::size_t recordSize) {
  struct stat info {};
  if (fstat(fileno(file), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < 4) return 0;
  return (static_cast<std::uint64_t>(info.st_size) - 4) / recordSize;
}

}  // namespace catalog_file

}  // namespace vespera
