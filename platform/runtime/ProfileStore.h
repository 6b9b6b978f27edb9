#pragma once
// The settings file: DWORD values by section and name, kept as text
//
//   [Main]
//   V_ZOOM=100
//
// Lines that do not parse are ignored (their values read as the defaults).
// Every save replaces the file atomically (ReplaceFileContents: a temporary
// file beside it, flushed to disk and renamed over it), so a crash or power
// loss leaves either the old file or the new one, never a half-written one.
// Values written inside a WriteGroup land together in one replacement.
//
// Only a regular file is read, and only its first kMaxFileBytes: a real
// settings file is a few hundred bytes, and reading is linear in the size.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/runtime/Expected.h"

class ProfileStore {
 public:
  static constexpr std::size_t kMaxFileBytes = std::size_t(1) << 20;

  // Reads path if it exists; a missing or unreadable file is an empty store.
  // Removes temporary files a killed run left beside it.
  explicit ProfileStore(std::string path);

  const std::string& path() const { return path_; }
  // Whether the file was read, or why not.
  const Expected<void>& readResult() const { return readResult_; }
  // What a user should be told about the reading (a file cut at
  // kMaxFileBytes, a read error); empty when nothing is amiss. A missing
  // file and one that is not a regular file read as empty without a word:
  // the first is a first run, the second is said when it is to be saved.
  const std::string& readNotice() const { return readNotice_; }

  // Section and entry names compare without regard to ASCII case, as the
  // device's registry does.
  std::optional<std::uint32_t> Find(const std::string& section, const std::string& entry) const;
  std::uint32_t GetInt(const std::string& section, const std::string& entry,
                       std::uint32_t defaultValue) const;
  // Returns false when the file could not be written (saveResult() says
  // why); the value is kept in memory either way. Inside a group the value
  // is only kept in memory, and the answer is true.
  bool WriteInt(const std::string& section, const std::string& entry, std::uint32_t value);
  // The last save's outcome.
  const Expected<void>& saveResult() const { return saveResult_; }

  // Writes between BeginGroup and the matching EndGroup are saved once, by
  // the outermost EndGroup, which answers like WriteInt.
  void BeginGroup() { ++openGroups_; }
  bool EndGroup();

  // The file text for the current values.
  std::string Serialize() const;
  // Parses file text into values (later lines win over earlier ones).
  void Parse(const std::string& text);

 private:
  struct Value {
    std::string entry;
    std::uint32_t value;
  };
  struct Section {
    std::string name;
    std::vector<Value> values;
  };
  struct Position {
    std::size_t section;
    std::size_t value;
  };

  void Set(const std::string& section, const std::string& entry, std::uint32_t value);
  bool Save();
  Expected<void> Read();

  std::string path_;
  std::vector<Section> sections_;
  // Folded names to their places in sections_, so that reading a file is
  // linear in its size whatever the number of values.
  std::unordered_map<std::string, std::size_t> sectionIndex_;
  std::unordered_map<std::string, Position> valueIndex_;
  std::string readNotice_;
  Expected<void> readResult_;  // after the tables and the notice: reading fills them
  Expected<void> saveResult_;
  int openGroups_ = 0;
  bool unsaved_ = false;
};
