#pragma once
// The automation script: UTF-8 text, one command per line, each turned into a
// short list of steps. A ScriptReader reads it a line at a time, so a script
// plays as it is read (a pipe at once) and its length costs no memory; a
// script file is read through once before the run, so that a bad line stops
// the run before the program starts. Commands that wait ("tap", "key", "sleep", "type",
// "touch", "wheel", "wait") end in a Settle step: the player gives the program the turn until
// no message is queued and no background work is pending.

#include <cstddef>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gdi/GdiTypes.h"
#include "platform/runtime/WinTypes.h"

struct ScriptStep {
  enum class Kind { StylusDown, StylusMove, StylusUp, RightClick, Wheel, KeyDown, KeyUp, Characters, Settle, Advance, Shot, Dump };
  Kind kind = Kind::Settle;
  int line = 0;
  POINT point{};
  bool atStylus = false;  // a wheel turned wherever the stylus last was
  bool touch = false;     // a stylus step made by a finger ("touch", "touchdown" ...)
  int notches = 0;
  UINT key = 0;
  WideString text;
  DWORD milliseconds = 0;
  std::string path;
};

struct ScriptError {
  int line = 0;
  std::string message;
};

struct ParsedScript {
  std::vector<ScriptStep> steps;
  std::vector<ScriptError> errors;
};

// The longest line a script may have: the longest command is a "type" with
// its text or a "shot" with its path, both far shorter.
inline constexpr std::size_t kMaxScriptLineBytes = 65536;

// `screen` bounds the points of "tap", "down", "up", "move", their "touch"
// kinds and "wheel".
ParsedScript ParseScript(std::string_view text, SIZE screen);

class ScriptReader {
 public:
  ScriptReader(std::istream& in, SIZE screen) : in_(in), screen_(screen) {}

  // Replaces `steps` with those of the next command line (blank and comment
  // lines are passed over); `steps` stays empty at the end of the script.
  // A bad line answers with its error and gives no steps. A line longer
  // than kMaxScriptLineBytes does too, and ends the reading there.
  std::optional<ScriptError> Next(std::vector<ScriptStep>& steps);

 private:
  // The next line without its line end; false at the end of the input.
  // A line past kMaxScriptLineBytes is read only to the limit (tooLong).
  bool ReadLine(std::string& line, bool& tooLong);

  std::istream& in_;
  SIZE screen_;
  int line_ = 0;
  bool stopped_ = false;
};

// RETURN ESCAPE TAB SPACE BACK LEFT RIGHT UP DOWN PAGEUP PAGEDOWN PLUS MINUS
// ADD SUBTRACT (PLUS and MINUS are the main keyboard's "=" and "-" keys, ADD
// and SUBTRACT the keypad's), a digit, a letter (any case) or a code
// 0x01..0xFE.
std::optional<UINT> ParseKeyName(std::string_view name);
