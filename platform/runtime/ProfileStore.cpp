#include "platform/runtime/ProfileStore.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string_view>

#include "platform/runtime/FileReplacement.h"
#include "platform/runtime/RegularFile.h"

namespace {

std::string Folded(std::string_view name) {
  std::string folded(name);
  for (char& c : folded)
    if (c >= 'A' && c <= 'Z') c = char(c + 32);
  return folded;
}

// '\n' cannot occur in a stored name, so the pair is unambiguous.
std::string ValueKey(std::string_view section, std::string_view entry) {
  std::string key = Folded(section);
  key += '\n';
  key += Folded(entry);
  return key;
}

std::optional<std::uint32_t> ParseDword(std::string_view text) {
  if (text.empty() || text.size() > 10) return std::nullopt;
  std::uint64_t v = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    v = v * 10 + static_cast<unsigned>(c - '0');
  }
  if (v > 0xFFFFFFFFull) return std::nullopt;
  return static_cast<std::uint32_t>(v);
}

std::string MegabytesText(std::size_t bytes) { return std::to_string(bytes >> 20) + " MiB"; }

}  // namespace

ProfileStore::ProfileStore(std::string path) : path_(std::move(path)), readResult_(Read()) {
  RemoveStaleTemporaries(path_);
}

Expected<void> ProfileStore::Read() {
  const RegularFile file = RegularFile::Open(path_);
  if (file.outcome() == RegularFile::Outcome::kCannotOpen) return Failure("the settings file cannot be opened");
  // Read like a missing file; saving says once that it is refused.
  if (!file.is_open()) return Failure("the settings file is not a regular file");
  // Room for the size found at opening and one byte more, so that the end is
  // seen; a file that grows while it is read gets more room, up to one byte
  // past the limit.
  std::string text(static_cast<std::size_t>(std::min<std::uint64_t>(file.size(), kMaxFileBytes)) + 1, '\0');
  std::size_t size = 0;
  for (;;) {
    if (size == text.size()) {
      if (size > kMaxFileBytes) break;
      text.resize(std::min(text.size() * 2, kMaxFileBytes + 1));
    }
    const ssize_t n = ::read(file.fd(), text.data() + size, text.size() - size);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      readNotice_ = std::strerror(errno);
      return Failure("the settings file cannot be read");
    }
    if (n == 0) break;
    size += static_cast<std::size_t>(n);
  }
  text.resize(size);
  if (size > kMaxFileBytes) {
    // The cut line would read as a wrong value: it goes with the rest.
    text.resize(text.rfind('\n', kMaxFileBytes - 1) + 1);
    readNotice_ = "larger than " + MegabytesText(kMaxFileBytes) + "; only the lines in its first " +
                  MegabytesText(kMaxFileBytes) + " are read";
  }
  Parse(text);
  return {};
}

void ProfileStore::Parse(const std::string& text) {
  std::string current;
  bool inSection = false;
  std::string_view rest = text;
  while (!rest.empty()) {
    const std::size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      current = line.substr(1, line.size() - 2);
      inSection = !current.empty();
      continue;
    }
    const auto eq = line.find('=');
    if (!inSection || eq == std::string_view::npos || eq == 0) continue;
    if (const auto value = ParseDword(line.substr(eq + 1))) Set(current, std::string(line.substr(0, eq)), *value);
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

std::optional<std::uint32_t> ProfileStore::Find(const std::string& section,
                                                const std::string& entry) const {
  const auto found = valueIndex_.find(ValueKey(section, entry));
  if (found == valueIndex_.end()) return std::nullopt;
  return sections_[found->second.section].values[found->second.value].value;
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
  const auto [place, newValue] = valueIndex_.try_emplace(ValueKey(section, entry), Position{0, 0});
  if (!newValue) {
    sections_[place->second.section].values[place->second.value].value = value;
    return;
  }
  const auto [sectionPlace, newSection] = sectionIndex_.try_emplace(Folded(section), sections_.size());
  if (newSection) sections_.push_back(Section{section, {}});
  std::vector<Value>& values = sections_[sectionPlace->second].values;
  place->second = Position{sectionPlace->second, values.size()};
  values.push_back({entry, value});
}

bool ProfileStore::WriteInt(const std::string& section, const std::string& entry,
                            std::uint32_t value) {
  Set(section, entry, value);
  unsaved_ = true;
  return openGroups_ > 0 || Save();
}

bool ProfileStore::EndGroup() {
  if (openGroups_ > 0) --openGroups_;
  return openGroups_ > 0 || !unsaved_ || Save();
}

bool ProfileStore::Save() {
  unsaved_ = false;
  // The first save of a user's settings makes their folder.
  if (const std::filesystem::path folder = std::filesystem::path(ReplacementTarget(path_)).parent_path();
      !folder.empty()) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
      saveResult_ = Failure("the folder " + folder.string() + " cannot be made: " + error.message());
      return false;
    }
  }
  saveResult_ = ReplaceFileContents(path_, Serialize(), ReplacementDurability::kFlushed);
  return saveResult_.has_value();
}
