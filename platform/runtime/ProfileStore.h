#pragma once
// The settings file: DWORD values by section and name, kept as text
//
//   [Main]
//   V_ZOOM=100
//
// Lines that do not parse are ignored (their values read as the defaults).
// Every write replaces the file atomically: a temporary file beside it is
// written, flushed to disk and renamed over it, so a crash or power loss
// leaves either the old file or the new one, never a half-written one.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/runtime/Expected.h"

class ProfileStore {
 public:
  // Reads path if it exists; a missing or unreadable file is an empty store.
  explicit ProfileStore(std::string path);

  const std::string& path() const { return path_; }
  // Whether the file was read, or why not.
  const Expected<void>& readResult() const { return readResult_; }

  // Section and entry names compare without regard to ASCII case, as the
  // device's registry does.
  std::optional<std::uint32_t> Find(const std::string& section, const std::string& entry) const;
  std::uint32_t GetInt(const std::string& section, const std::string& entry,
                       std::uint32_t defaultValue) const;
  // Returns false when the file could not be written; the value is kept in
  // memory either way.
  bool WriteInt(const std::string& section, const std::string& entry, std::uint32_t value);

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

  Section* FindSection(const std::string& name);
  const Section* FindSection(const std::string& name) const;
  void Set(const std::string& section, const std::string& entry, std::uint32_t value);
  bool Save() const;
  Expected<void> Read();

  std::string path_;
  std::vector<Section> sections_;
  Expected<void> readResult_;  // after sections_: reading fills them
};

// Writes text to path atomically (temporary file, fsync, rename).
bool WriteFileAtomically(const std::string& path, const std::string& text);
