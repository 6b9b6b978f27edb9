#pragma once
// Reads a UTF-8 text file as wide text in pieces of bounded length, the way
// the INI parser expects its lines: a line longer than the piece limit arrives
// in several pieces, and the piece that ends a line keeps its line feed.

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "platform/runtime/WinTypes.h"

namespace vespera {

class WideLineReader {
 public:
  // The device reads with a 131072-character buffer, less its terminator.
  static constexpr std::size_t kDefaultPieceUnits = 131071;

  // Only the first kMaxFileBytes of a file are read: the largest page file
  // that ships is under 80 KB, and every byte of text costs the page's
  // layout many more in memory and time.
  static constexpr std::size_t kMaxFileBytes = std::size_t(1) << 20;

  // Opens only a regular file: a FIFO or a device would hold the window
  // that reads it for ever.
  explicit WideLineReader(const std::string& path, std::size_t maxPieceUnits = kDefaultPieceUnits,
                          std::size_t maxFileBytes = kMaxFileBytes);

  bool IsOpen() const { return file_ != nullptr; }
  // True once the end of the byte budget was reached with more in the file.
  bool WasCut() const { return cut_; }
  // True once a read failed (a folder opened as a file, an I/O error).
  bool ReadFailed() const { return file_ && std::ferror(file_.get()) != 0; }

  // The next piece, at most maxPieceUnits UTF-16 units. False at the end of
  // the file, and after a read error, which ends the file early.
  bool ReadPiece(WideString& piece);

 private:
  struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
  };

  bool ReadByteLine(std::string& line);
  void DecodeLine(std::string& bytes);

  std::unique_ptr<std::FILE, FileCloser> file_;
  std::size_t maxPieceUnits_;
  std::size_t bytesLeft_;
  bool cut_ = false;
  std::vector<char> block_;
  std::size_t blockPos_ = 0;
  std::size_t blockLen_ = 0;
  bool endOfInput_ = false;
  bool firstLine_ = true;
  WideString line_;
  std::size_t linePos_ = 0;
};

}  // namespace vespera
