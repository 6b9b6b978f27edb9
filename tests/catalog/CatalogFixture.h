#pragma once
// Writes small catalogue files for tests into a fresh folder of their own.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/runtime/LittleEndian.h"
#include "tests/support/ScratchFolder.h"

namespace vespera {

class CatalogFolder : public ScratchFolder {
 public:
  void WriteBytes(const std::string& name, const std::vector<unsigned char>& bytes) const {
    Write(name, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
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
};

}  // namespace vespera
