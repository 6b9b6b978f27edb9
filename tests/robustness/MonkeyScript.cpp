#include "tests/robustness/MonkeyScript.h"

#include <array>
#include <random>

namespace vespera {

namespace {

// Keys a user can press on the device, the ones that do something in the
// program more often than the rest.
constexpr std::array kKeys{"RETURN", "RETURN", "RETURN", "LEFT",  "RIGHT", "UP",    "DOWN",  "LEFT",
                           "RIGHT",  "UP",     "DOWN",   "TAB",   "SPACE", "BACK",  "0",     "1",
                           "2",      "3",      "4",      "5",     "6",     "7",     "8",     "9",
                           "A",      "C",      "E",      "H",     "L",     "M",     "O",     "P",
                           "R",      "S",      "U",      "X",     "Z",     "0x70",  "0x75",  "0x86",
                           "0x87",   "0x5B",   "0xC1",   "0x2E",  "0x10",  "0x11",  "0x12",  "0xFE",
                           "PLUS",   "MINUS",  "PAGEUP", "PAGEDOWN", "ADD", "SUBTRACT"};

// Typed text: letters of the catalogue and of other scripts, digits, the
// characters of HTML and INI syntax, and a character outside the BMP.
constexpr std::array kTextPieces{"a",  "V",  "m",  "e",  "1",  "4",  "7", " ", "-", ".", "%s", "%n",
                                 "<",  ">",  "&",  "\"", "[",  "]",  "=", ";", "é", "ß", "α",  "Ω",
                                 "中", "🌟", "vega", "M31", "NGC ", "alp", "\\", "/", "~", "_"};

class ScriptWriter {
 public:
  explicit ScriptWriter(const MonkeyScriptOptions& options) : options_(options), random_(options.seed) {}

  std::vector<std::string> Write() {
    for (int step = 0; step < options_.steps; ++step) {
      if (step % options_.progressEvery == 0) lines_.push_back("dump " + options_.progressFile);
      OneStep();
    }
    return std::move(lines_);
  }

 private:
  int Below(int bound) { return int(random_() % std::uint64_t(bound)); }

  std::string Point() {
    const int w = options_.width, h = options_.height;
    // A third of the taps go to the strips where the buttons and the status
    // line are (the top 52 and bottom 32 pixels at most).
    int y;
    switch (Below(6)) {
      case 0: y = Below(w < 480 ? 26 : 52); break;
      case 1: y = h - 1 - Below(w < 480 ? 16 : 32); break;
      default: y = Below(h);
    }
    return std::to_string(Below(w)) + " " + std::to_string(y);
  }

  std::string Text() {
    std::string text;
    for (int n = 1 + Below(8); n > 0; --n) text += kTextPieces[std::size_t(Below(int(kTextPieces.size())))];
    return text;
  }

  void OneStep() {
    const int roll = Below(1000);
    if (roll < 330) {
      lines_.push_back("tap " + Point());
    } else if (roll < 400) {
      // A drag: down, a few moves (a hover first, sometimes), up elsewhere.
      if (Below(4) == 0) lines_.push_back("move " + Point());
      lines_.push_back("down " + Point());
      for (int n = Below(4); n > 0; --n) lines_.push_back("move " + Point());
      lines_.push_back("up " + Point());
    } else if (roll < 430) {
      // Tap-and-hold: the stylus stays down while the clock moves.
      const std::string at = Point();
      lines_.push_back("down " + at);
      lines_.push_back("sleep " + std::to_string(200 + Below(1500)));
      lines_.push_back("up " + at);
    } else if (roll < 760) {
      lines_.push_back(std::string("key ") + kKeys[std::size_t(Below(int(kKeys.size())))]);
    } else if (roll < 780) {
      // The wheel, a notch or a spin, where the stylus was or somewhere new.
      const int notches = (Below(2) ? 1 : -1) * (Below(5) == 0 ? 1 + Below(30) : 1);
      lines_.push_back("wheel " + std::to_string(notches) + (Below(2) ? " " + Point() : std::string()));
    } else if (roll < 792) {
      // Escape closes a secondary window, and the program when the main
      // window is on top; kept rare so runs are long.
      lines_.push_back("key ESCAPE");
    } else if (roll < 812) {
      // Unpaired presses: a key or the stylus left down, or released unseen.
      const std::string key = kKeys[std::size_t(Below(int(kKeys.size())))];
      switch (Below(4)) {
        case 0: lines_.push_back("keydown " + key); break;
        case 1: lines_.push_back("keyup " + key); break;
        case 2: lines_.push_back("down " + Point()); break;
        default: lines_.push_back("up " + Point());
      }
    } else if (roll < 930) {
      lines_.push_back("type " + Text());
    } else if (roll < 975) {
      lines_.push_back("sleep " + std::to_string(Below(3000)));
    } else {
      lines_.push_back("wait");
    }
  }

  MonkeyScriptOptions options_;
  std::mt19937_64 random_;
  std::vector<std::string> lines_;
};

}  // namespace

std::vector<std::string> MakeMonkeyScript(const MonkeyScriptOptions& options) {
  return ScriptWriter(options).Write();
}

}  // namespace vespera
