#pragma once
// Random user input as a headless script: taps (often on the button strip
// and the status line, where the controls are), drags, tap-and-hold, keys
// (Enter, Escape, arrows, digits, letters, Tab...), unpaired key and stylus
// presses, typed text in several scripts, and pauses. The same seed always
// gives the same script.

#include <cstdint>
#include <string>
#include <vector>

namespace vespera {

struct MonkeyScriptOptions {
  std::uint64_t seed = 1;
  int steps = 2000;
  int width = 240;
  int height = 320;
  // Every this many steps the script dumps the window tree to progressFile,
  // so a watchdog can tell a busy program from a hung one.
  int progressEvery = 100;
  std::string progressFile = "progress.json";
};

// One script line per element, no blank or comment lines, so a line number
// the player reports is an index into this list (plus one).
std::vector<std::string> MakeMonkeyScript(const MonkeyScriptOptions& options);

}  // namespace vespera
