#pragma once
// Opening a file for reading only when it is a regular file. The open does
// not block, so that a FIFO or a device at the path is seen for what it is
// (and turned away) instead of holding the program; the descriptor handed
// back blocks as usual.

#include <cstdint>
#include <string>

class RegularFile {
 public:
  enum class Outcome {
    kOpened,
    kCannotOpen,  // missing, unreadable, or no descriptor left
    kNotRegular,  // a folder, a FIFO, a device (or its flags cannot be set)
  };

  static RegularFile Open(const std::string& path);

  RegularFile(RegularFile&& other) noexcept;
  RegularFile& operator=(RegularFile&&) = delete;
  RegularFile(const RegularFile&) = delete;
  RegularFile& operator=(const RegularFile&) = delete;
  ~RegularFile();

  Outcome outcome() const { return outcome_; }
  bool is_open() const { return fd_ >= 0; }
  int fd() const { return fd_; }
  // The size when opened.
  std::uint64_t size() const { return size_; }
  // Hands the descriptor to the caller, who closes it from then on.
  int Release();

 private:
  RegularFile(int fd, Outcome outcome, std::uint64_t size) : fd_(fd), outcome_(outcome), size_(size) {}

  int fd_;
  Outcome outcome_;
  std::uint64_t size_;
};
