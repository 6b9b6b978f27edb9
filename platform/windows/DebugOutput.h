#pragma once
// Where OutputDebugString goes. On the device a debugger reads it; here the
// platform's entry hands it standard error, so a user who starts the program
// from a terminal reads why a file could not be loaded. Any thread may write:
// the catalogue loader reports from its own.

#include <iosfwd>
#include <mutex>
#include <string>
#include <string_view>

class DebugOutput {
 public:
  // Lines go to `stream` from now on, each after `prefix` (the program's
  // command name and ": ", as a terminal user expects); until then they
  // are dropped.
  void AttachTo(std::ostream& stream, std::string prefix = {});
  // What every line starts with.
  std::string Prefix();
  // Writes the text and ends the line unless it ends one already.
  void WriteLine(std::string_view text);

 private:
  std::mutex mutex_;
  std::ostream* stream_ = nullptr;
  std::string prefix_;
};
