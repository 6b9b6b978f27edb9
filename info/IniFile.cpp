#include "info/IniFile.h"

#include "info/WideLineReader.h"

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
    body_.append(line);
  }

  void CompleteSection() {
    if (!name_.empty() && !body_.empty()) file_.push_back({name_, body_});
  }

 private:
  IniFile& file_;
  WideString name_;
  WideString body_;
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
  return {};
}

int FindSection(const IniFile& file, std::u16string_view key) {
  for (std::size_t i = 0; i < file.size(); ++i)
    if (file[i].name == key) return static_cast<int>(i);
  return -1;
}

}  // namespace vespera
