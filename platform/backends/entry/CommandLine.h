#pragma once
// The platform's command line: the emulated device and how it is driven.
// The program itself takes no options.

#include <optional>
#include <span>
#include <string>

#include "platform/windows/Desktop.h"

struct PlatformOptions {
  DeviceProfile device;  // screen, depth and platform type
  bool screenGiven = false;  // --screen was given; else a window may take the display's size
  bool fullscreen = false;
  std::string profileFile;
  int scale = 0;  // 0: fit the desktop
  bool headless = false;
  std::string scriptPath;  // "-" reads standard input
  bool help = false;
  bool version = false;
};

struct CommandLine {
  std::optional<PlatformOptions> options;
  std::string error;  // names the option and what is wrong, when options is empty
};

// `arguments` without the program name. Options take their value as the next
// argument or after '='; a repeated option keeps its last value.
CommandLine ParseCommandLine(std::span<const std::string> arguments);

std::string UsageText();
// "Vespera 1.1.1": the program's name and version, one line.
std::string VersionText();
