#pragma once
// The command line: the platform's own options (the emulated device and how
// it is driven) and the options the program describes for itself. Both are
// one table each, which also writes the usage text.

#include <map>
#include <optional>
#include <span>
#include <string>

#include "platform/framework/ProgramDescription.h"
#include "platform/windows/Desktop.h"

struct PlatformOptions {
  DeviceProfile device;  // screen, depth and platform type
  bool screenGiven = false;  // --screen was given; else a window may take the display's size
  bool fullscreen = false;
  std::string profileFile;
  int scale = 0;  // 0: fit the desktop
  std::optional<bool> phoneDisplay;  // --phone yes|no; else the display's density decides
  bool headless = false;
  std::string scriptPath;  // "-" reads standard input
  bool help = false;
  bool version = false;
  // The program's own options that were given: name -> value ("" for a switch).
  std::map<std::string, std::string, std::less<>> programOptions;
};

struct CommandLine {
  std::optional<PlatformOptions> options;
  std::string error;  // names the option and what is wrong, when options is empty
};

// `arguments` without the program name. Options take their value as the next
// argument or after '='; a repeated option keeps its last value. The
// program's options are those of `program`.
CommandLine ParseCommandLine(std::span<const std::string> arguments, const ProgramDescription& program = {});

std::string UsageText(const ProgramDescription& program = {});
// "Vespera 1.1.1": the program's name and version, one line.
std::string VersionText(const ProgramDescription& program = {});
