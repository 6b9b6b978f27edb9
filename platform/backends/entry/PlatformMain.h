#pragma once
// The platform's entry: reads the command line, builds the emulated device
// with its backend, runs the application and answers the exit status:
// 0 after a normal end, 2 for a bad option or script, 1 for anything else.

#include <iosfwd>
#include <istream>
#include <string>
#include <vector>

class CWinApp;

struct PlatformStreams {
  std::istream& in;  // the script when --script is '-'
  std::ostream& out;
  std::ostream& err;
};

int RunPlatform(const std::vector<std::string>& arguments, CWinApp& application, PlatformStreams streams);
