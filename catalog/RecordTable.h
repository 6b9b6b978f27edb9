#pragma once
// One growable table of packed records, stored contiguously so that a data
// file can be read into it with a single bulk read.

#include <cstddef>
#include <vector>

template <class Record>
class RecordTable {
 public:
  std::size_t count() const { return records_.size(); }
  bool empty() const { return records_.empty(); }
  const Record& operator[](std::size_t i) const { return records_[i]; }
  Record& operator[](std::size_t i) { return records_[i]; }
  // Keeps the first min(n, count) records; new records are all zero bytes.
  void Resize(std::size_t n) { records_.resize(n); }
  Record* data() { return records_.data(); }
  const Record* data() const { return records_.data(); }
  auto begin() const { return records_.begin(); }
  auto end() const { return records_.end(); }
  void Append(const Record& r) { records_.push_back(r); }

 private:
  std::vector<Record> records_;
};
