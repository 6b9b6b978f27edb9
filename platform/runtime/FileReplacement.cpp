#include "platform/runtime/FileReplacement.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace {

namespace fs = std::filesystem;

// Linux gives up on a chain of links at 40 as well.
constexpr int kMaxLinkHops = 40;
constexpr std::string_view kTemporaryInfix = ".tmp.";

// Closes the descriptor and removes the temporary file unless the rename
// has taken it over.
class TemporaryFile {
 public:
  explicit TemporaryFile(std::string path) : path_(std::move(path)) {}
  ~TemporaryFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!renamed_) std::remove(path_.c_str());
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  bool Open(mode_t mode) {
    std::remove(path_.c_str());
    fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode);
    return fd_ >= 0;
  }
  int fd() const { return fd_; }
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }
  bool RenameOver(const std::string& target) {
    renamed_ = std::rename(path_.c_str(), target.c_str()) == 0;
    return renamed_;
  }

 private:
  std::string path_;
  int fd_ = -1;
  bool renamed_ = false;
};

Failure FailureFromErrno() { return Failure(std::strerror(errno)); }

bool WriteAll(int fd, std::string_view text) {
  while (!text.empty()) {
    const ssize_t n = ::write(fd, text.data(), text.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) {
      errno = ENOSPC;
      return false;
    }
    text.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

bool ProcessRuns(pid_t pid) { return pid > 0 && (::kill(pid, 0) == 0 || errno == EPERM); }

}  // namespace

std::string ReplacementTarget(const std::string& path) {
  fs::path target = path;
  for (int hop = 0; hop < kMaxLinkHops; ++hop) {
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(target, error))) break;
    const fs::path next = fs::read_symlink(target, error);
    if (error) break;
    target = next.is_absolute() ? next : target.parent_path() / next;
  }
  return target.string();
}

Expected<void> ReplaceFileContents(const std::string& path, std::string_view contents,
                                   ReplacementDurability durability) {
  const std::string target = ReplacementTarget(path);
  // A new file gets 0644 less the umask, as open() has always given it.
  mode_t mode = 0644;
  struct stat existing {};
  if (::lstat(target.c_str(), &existing) == 0) {
    if (!S_ISREG(existing.st_mode)) return Failure("not a regular file");
    mode = existing.st_mode & 07777;
    // The rename would replace a file its owner made read-only (and root
    // passes every access check): a file nobody may write is left alone.
    if ((mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0) return Failure("the file is read-only");
  } else if (errno != ENOENT) {
    return FailureFromErrno();
  }

  TemporaryFile temporary(target + std::string(kTemporaryInfix) + std::to_string(::getpid()));
  if (!temporary.Open(mode)) return FailureFromErrno();
  // open() applied the umask; an existing file's bits are kept exactly.
  if (existing.st_mode != 0 && ::fchmod(temporary.fd(), mode) != 0) return FailureFromErrno();
  if (!WriteAll(temporary.fd(), contents)) return FailureFromErrno();
  if (durability == ReplacementDurability::kFlushed && ::fsync(temporary.fd()) != 0) return FailureFromErrno();
  if (!temporary.Close()) return FailureFromErrno();
  if (!temporary.RenameOver(target)) return FailureFromErrno();
  return {};
}

void RemoveStaleTemporaries(const std::string& path) {
  const fs::path target = ReplacementTarget(path);
  const std::string prefix = target.filename().string() + std::string(kTemporaryInfix);
  std::error_code error;
  fs::remove(fs::path(target.string() + ".tmp"), error);
  fs::directory_iterator entries(target.has_parent_path() ? target.parent_path() : fs::path("."), error);
  if (error) return;
  for (const fs::directory_entry& entry : entries) {
    const std::string name = entry.path().filename().string();
    if (!name.starts_with(prefix)) continue;
    pid_t pid = 0;
    const char* digits = name.data() + prefix.size();
    const char* end = name.data() + name.size();
    const auto parsed = std::from_chars(digits, end, pid);
    if (parsed.ec != std::errc() || parsed.ptr != end || ProcessRuns(pid)) continue;
    fs::remove(entry.path(), error);
  }
}
