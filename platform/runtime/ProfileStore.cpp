#include "platform/runtime/ProfileStore.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

bool EqualNoCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c + 32) : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

std::optional<std::uint32_t> ParseDword(const std::string& text) {
  if (text.empty() || text.size() > 10) return std::nullopt;
  std::uint64_t v = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    v = v * 10 + static_cast<unsigned>(c - '0');
  }
  if (v > 0xFFFFFFFFull) return std::nullopt;
  return static_cast<std::uint32_t>(v);
}

bool WriteAll(int fd, const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

bool WriteFileAtomically(const std::string& path, const std::string& text) {
  std::error_code ignored;
  const auto parent = std::filesystem::path(path).parent_path();
  if (!parent.empty()) std::filesystem::create_directories(parent, ignored);
  const std::string temporary = path + ".tmp";
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  const bool written = WriteAll(fd, text) && ::fsync(fd) == 0;
  const bool closed = ::close(fd) == 0;
  if (!written || !closed || std::rename(temporary.c_str(), path.c_str()) != 0) {
    std::remove(temporary.c_str());
    return false;
  }
  return true;
}

ProfileStore::ProfileStore(std::string path) : path_(std::move(path)), readResult_(Read()) {}

Expected<void> ProfileStore::Read() {
  std::ifstream in(path_, std::ios::binary);
  if (!in) return Failure("the settings file cannot be opened");
  std::ostringstream text;
  text << in.rdbuf();
  Parse(text.str());
  return {};
}

void ProfileStore::Parse(const std::string& text) {
  std::string current;
  bool inSection = false;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      current = line.substr(1, line.size() - 2);
      inSection = !current.empty();
      continue;
    }
    const auto eq = line.find('=');
    if (!inSection || eq == std::string::npos || eq == 0) continue;
    if (const auto value = ParseDword(line.substr(eq + 1))) Set(current, line.substr(0, eq), *value);
  }
}

std::string ProfileStore::Serialize() const {
  std::string out;
  for (const Section& section : sections_) {
    out += '[' + section.name + "]\n";
    for (const Value& v : section.values) out += v.entry + '=' + std::to_string(v.value) + '\n';
  }
  return out;
}

ProfileStore::Section* ProfileStore::FindSection(const std::string& name) {
  for (Section& s : sections_)
    if (EqualNoCase(s.name, name)) return &s;
  return nullptr;
}

const ProfileStore::Section* ProfileStore::FindSection(const std::string& name) const {
  return const_cast<ProfileStore*>(this)->FindSection(name);
}

std::optional<std::uint32_t> ProfileStore::Find(const std::string& section,
                                                const std::string& entry) const {
  if (const Section* s = FindSection(section))
    for (const Value& v : s->values)
      if (EqualNoCase(v.entry, entry)) return v.value;
  return std::nullopt;
}

std::uint32_t ProfileStore::GetInt(const std::string& section, const std::string& entry,
                                   std::uint32_t defaultValue) const {
  return Find(section, entry).value_or(defaultValue);
}

void ProfileStore::Set(const std::string& section, const std::string& entry, std::uint32_t value) {
  // Names that could not be read back (line breaks, '=' in an entry, ']' at
  // the end of a section) are refused rather than written as garbage.
  if (section.empty() || entry.empty() || section.find_first_of("\r\n") != std::string::npos ||
      entry.find_first_of("=\r\n") != std::string::npos || entry.front() == '[')
    return;
  Section* s = FindSection(section);
  if (!s) s = &sections_.emplace_back(Section{section, {}});
  for (Value& v : s->values)
    if (EqualNoCase(v.entry, entry)) {
      v.value = value;
      return;
    }
  s->values.push_back({entry, value});
}

bool ProfileStore::WriteInt(const std::string& section, const std::string& entry,
                            std::uint32_t value) {
  Set(section, entry, value);
  return Save();
}

bool ProfileStore::Save() const { return WriteFileAtomically(path_, Serialize()); }
