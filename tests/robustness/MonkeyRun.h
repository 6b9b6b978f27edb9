#pragma once
// The monkey: one random script played on one device, red-screen mode on or
// off at the start. The script may end the program on the way (Escape on the
// main window, "Exit"); the monkey then starts it again with the same
// settings file and goes on from the first line not played, so every step is
// played and every run ends, is checked and leaves its settings for the next.

#include <cstdint>
#include <string>
#include <vector>

#include "tests/robustness/ProgramSandbox.h"

namespace vespera {

struct MonkeyOptions {
  std::uint64_t seed = 1;
  int steps = 2000;
  DeviceChoice device;
  bool redScreen = false;
  RunLimits limits;
};

struct MonkeyReport {
  int runs = 0;           // program starts
  int linesPlayed = 0;
  double seconds = 0;
  // Empty when every run ended normally and left a settings file that reads
  // back; else what went wrong. The failing run's script and the settings it
  // started from are then kept in the current folder for replaying.
  std::string failure;
};

MonkeyReport RunMonkey(const ProgramSandbox& sandbox, const MonkeyOptions& options);

}  // namespace vespera
