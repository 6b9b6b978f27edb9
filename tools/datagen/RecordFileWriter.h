#pragma once
// Writes a catalogue data file: the record count as an unsigned 32-bit
// little-endian number, then the records' byte images back to back.

#include <cstdint>
#include <filesystem>
#include <limits>
#include <stdexcept>
#include <vector>

#include "platform/runtime/LittleEndian.h"
#include "tools/datagen/ReplaceFile.h"

namespace vespera {

template <class Record>
void WriteRecordFile(const std::filesystem::path& path, const std::vector<Record>& records) {
  if (records.size() > std::numeric_limits<std::uint32_t>::max())
    throw std::runtime_error(path.string() + ": too many records");
  ReplaceFile(path, [&](std::ostream& out) {
    unsigned char count[4];
    WriteLittleU32(count, static_cast<std::uint32_t>(records.size()));
    out.write(reinterpret_cast<const char*>(count), sizeof count);
    for (const Record& record : records)
      out.write(reinterpret_cast<const char*>(record.bytes.data()), Record::kSize);
  });
}

}  // namespace vespera
