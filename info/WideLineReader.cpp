#include "info/WideLineReader.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "platform/runtime/CodePage.h"
#include "platform/runtime/RegularFile.h"

namespace vespera {

namespace {

constexpr std::size_t kBlockBytes = 64 * 1024;
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

std::FILE* OpenRegularFile(const std::string& path) {
  RegularFile opened = RegularFile::Open(path);
  if (!opened.is_open()) return nullptr;
  std::FILE* file = ::fdopen(opened.fd(), "rb");
  if (file) opened.Release();
  return file;
}

}  // namespace

WideLineReader::WideLineReader(const std::string& path, std::size_t maxPieceUnits, std::size_t maxFileBytes)
    : file_(OpenRegularFile(path)), maxPieceUnits_(std::max<std::size_t>(maxPieceUnits, 1)), bytesLeft_(maxFileBytes) {
  if (file_) block_.resize(kBlockBytes);
}

bool WideLineReader::ReadByteLine(std::string& line) {
  line.clear();
  for (;;) {
    if (blockPos_ == blockLen_) {
      if (endOfInput_) return !line.empty();
      const std::size_t wanted = std::min(block_.size(), bytesLeft_);
      blockLen_ = std::fread(block_.data(), 1, wanted, file_.get());
      blockPos_ = 0;
      bytesLeft_ -= blockLen_;
      // A short read is either the end or an error; both end the input here.
      if (blockLen_ < wanted) endOfInput_ = true;
      if (bytesLeft_ == 0 && !endOfInput_) {
        endOfInput_ = true;
        cut_ = std::fgetc(file_.get()) != EOF;
      }
      if (blockLen_ == 0) return !line.empty();
    }
    const char* start = block_.data() + blockPos_;
    const std::size_t available = blockLen_ - blockPos_;
    const void* feed = std::memchr(start, '\n', available);
    const std::size_t take =
        feed ? static_cast<std::size_t>(static_cast<const char*>(feed) - start) + 1 : available;
    line.append(start, take);
    blockPos_ += take;
    if (feed) return true;
  }
}

void WideLineReader::DecodeLine(std::string& bytes) {
  if (firstLine_ && bytes.starts_with(kUtf8ByteOrderMark)) bytes.erase(0, kUtf8ByteOrderMark.size());
  firstLine_ = false;
  // Text mode: a CR LF line end reads as a single line feed.
  if (bytes.ends_with("\r\n")) bytes.erase(bytes.size() - 2, 1);
  line_ = Utf8ToWide(bytes);
  // A NUL would end the text early wherever it is handed on as a C string
  // (the HTML control cuts the page there, and the close link with it).
  std::replace(line_.begin(), line_.end(), u'\0', u'\uFFFD');
  linePos_ = 0;
}

bool WideLineReader::ReadPiece(WideString& piece) {
  if (!file_) return false;
  if (linePos_ >= line_.size()) {
    std::string bytes;
    if (!ReadByteLine(bytes)) return false;
    DecodeLine(bytes);
  }
  std::size_t take = std::min(maxPieceUnits_, line_.size() - linePos_);
  // Never split a surrogate pair: the piece ends one unit early instead.
  const std::size_t end = linePos_ + take;
  if (take > 1 && end < line_.size() && IsHighSurrogate(line_[end - 1]) && IsLowSurrogate(line_[end]))
    --take;
  piece.assign(line_, linePos_, take);
  linePos_ += take;
  return true;
}

}  // namespace vespera
