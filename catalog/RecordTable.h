#pragma once
// One growable table of packed records, stored contiguously so that a data
// file can be read into it with a single bulk read.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vespera {

template <class Record>
class RecordTable {
 public:
  std::size_t count() const { return records_.size(); }
  bool empty() const { return records_.empty(); }
  const Record& operator[](std::size_t i) const { return records_[i]; }
  Record& operator[](std::size_t i) {
    ++revision_;
    return records_[i];
  }
  // Keeps the first min(n, count) records; new records are all zero bytes.
  void Resize(std::size_t n) {
    ++revision_;
    records_.resize(n);
  }
  Record* data() {
    ++revision_;
    return records_.data();
  }
  const Record* data() const { return records_.data(); }
  auto begin() const { return records_.begin(); }
  auto end() const { return records_.end(); }
  void Append(const Record& r) {
    ++revision_;
    records_.push_back(r);
  }

  // Raised by every access that may change the records, so that a copy laid
  // out for another use can tell whether it is still current.
  std::uint64_t revision() const { return revision_; }

 private:
  std::vector<Record> records_;
  std::uint64_t revision_ = 0;
};

}  // namespace vespera
