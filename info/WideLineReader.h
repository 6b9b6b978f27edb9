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

  explicit WideLineReader(const std::string& path, std::size_t maxPieceUnits = kDefaultPieceUnits);

  bool IsOpen() const { return file_ != nullptr; }
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
  std::vector<char> block_;
  std::size_t blockPos_ = 0;
  std::size_t blockLen_ = 0;
  bool endOfInput_ = false;
  bool firstLine_ = true;
  WideString line_;
  std::size_t linePos_ = 0;
};

}  // namespace vespera
