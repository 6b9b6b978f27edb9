#include "info/IniFile.h"

#include <algorithm>
#include <string>

#include "info/WideLineReader.h"
#include "platform/runtime/CodePage.h"

namespace vespera {

namespace {

// The C locale's space class; a wider Unicode class would eat a no-break
// space that an author placed at a line's end on purpose.
bool IsIniSpace(char16_t c) {
  return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r';
}

std::u16string_view TrimStart(std::u16string_view text) {
  std::size_t start = 0;
  while (start < text.size() && IsIniSpace(text[start])) ++start;
  return text.substr(start);
}

std::u16string_view TrimEnd(std::u16string_view text) {
  std::size_t end = text.size();
  while (end > 0 && IsIniSpace(text[end - 1])) --end;
  return text.substr(0, end);
}

std::u16string_view HeaderName(std::u16string_view trimmedLine) {
  std::u16string_view rest = TrimStart(trimmedLine.substr(1));
  const std::size_t close = rest.find(u']');
  if (close != std::u16string_view::npos) rest = rest.substr(0, close);
  return TrimEnd(rest);
}

// Collects lines into the current section and hands each finished section to
// the file; a section without name or body is dropped.
class SectionCollector {
 public:
  explicit SectionCollector(IniFile& file) : file_(file) {}

  void AddLine(std::u16string_view piece) {
    const std::u16string_view line = TrimEnd(TrimStart(piece));
    if (line.empty() || line.front() == u';') return;
    if (line.front() == u'[') {
      CompleteSection();
      name_.assign(HeaderName(line));
      body_.clear();
      return;
    }
    AppendBounded(line);
  }

  void CompleteSection() {
    if (!name_.empty() && !body_.empty()) file_.push_back({name_, body_});
  }

  // The first section that was cut, if any.
  const WideString& firstCutSection() const { return firstCut_; }
  bool anyCut() const { return anyCut_; }

 private:
  void AppendBounded(std::u16string_view line) {
    std::size_t take = std::min(line.size(), kMaxSectionUnits - std::min(body_.size(), kMaxSectionUnits));
    if (take < line.size()) {
      // Never half a surrogate pair at the cut.
      if (take > 0 && IsHighSurrogate(line[take - 1])) --take;
      if (!anyCut_) firstCut_ = name_;
      anyCut_ = true;
    }
    body_.append(line.substr(0, take));
  }

  IniFile& file_;
  WideString name_;
  WideString body_;
  WideString firstCut_;
  bool anyCut_ = false;
};

}  // namespace

Expected<void> LoadIniFile(const std::string& path, IniFile& file) {
  file.clear();
  WideLineReader reader(path);
  if (!reader.IsOpen()) return Failure("the file cannot be opened");
  SectionCollector collector(file);
  WideString piece;
  while (reader.ReadPiece(piece)) collector.AddLine(piece);
  collector.CompleteSection();
  if (reader.ReadFailed()) return Failure("reading the file failed part way");
  if (reader.WasCut())
    return Failure("the file is larger than " + std::to_string(WideLineReader::kMaxFileBytes >> 20) +
                   " MiB; only its first " + std::to_string(WideLineReader::kMaxFileBytes >> 20) + " MiB are read");
  if (collector.anyCut())
    return Failure("section [" + WideToUtf8(collector.firstCutSection()) + "] is longer than " +
                   std::to_string(kMaxSectionUnits) + " characters; only its start is shown");
  return {};
}

int FindSection(const IniFile& file, std::u16string_view key) {
  for (std::size_t i = 0; i < file.size(); ++i)
    if (file[i].name == key) return static_cast<int>(i);
  return -1;
}

}  // namespace vespera
