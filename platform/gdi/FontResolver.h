#pragma once
// Turns a logical font's face name and style into an installed font file
// through fontconfig, the way the device's font mapper picks a face.

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

struct _FcConfig;

struct FontFile {
  std::string path;
  int faceIndex = 0;
  std::string family;  // the family fontconfig chose, e.g. "Liberation Serif"
  bool embolden = false;  // bold was asked for but the file has none
  bool oblique = false;   // italic was asked for but the file has none
};

class FontResolver {
 public:
  FontResolver();
  ~FontResolver();
  FontResolver(const FontResolver&) = delete;
  FontResolver& operator=(const FontResolver&) = delete;

  // "System", an empty name and names fontconfig does not know come out as
  // the sans-serif default (DejaVu Sans on Debian). Empty only when no
  // scalable font is installed at all. Answers are remembered.
  std::optional<FontFile> Resolve(std::u16string_view face, bool bold, bool italic);

 private:
  struct ConfigDeleter {
    void operator()(_FcConfig* config) const;
  };
  std::optional<FontFile> Match(const std::string& family, bool bold, bool italic);

  // Loaded on first use: reading the font cache costs milliseconds.
  std::unique_ptr<_FcConfig, ConfigDeleter> config_;
  std::map<std::tuple<std::string, bool, bool>, std::optional<FontFile>> resolved_;
};
