#include "platform/runtime/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

RegularFile RegularFile::Open(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return RegularFile(-1, Outcome::kCannotOpen, 0);
  struct stat status {};
  const int flags = ::fcntl(fd, F_GETFL);
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || flags < 0 ||
      ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
    ::close(fd);
    return RegularFile(-1, Outcome::kNotRegular, 0);
  }
  return RegularFile(fd, Outcome::kOpened, static_cast<std::uint64_t>(status.st_size));
}

RegularFile::RegularFile(RegularFile&& other) noexcept
    : fd_(other.fd_), outcome_(other.outcome_), size_(other.size_) {
  other.fd_ = -1;
}

RegularFile::~RegularFile() {
  if (fd_ >= 0) ::close(fd_);
}

int RegularFile::Release() {
  const int fd = fd_;
  fd_ = -1;
  return fd;
}
