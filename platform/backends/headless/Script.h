#pragma once
// The automation script: UTF-8 text, one command per line, turned into a flat
// list of steps before anything runs, so that a bad line stops the run before
// the program starts. Commands that wait ("tap", "key", "sleep", "type",
// "wheel", "wait") end in a Settle step: the player gives the program the turn until
// no message is queued and no background work is pending.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gdi/GdiTypes.h"
#include "platform/runtime/WinTypes.h"

struct ScriptStep {
  enum class Kind { StylusDown, StylusMove, StylusUp, Wheel, KeyDown, KeyUp, Characters, Settle, Advance, Shot, Dump };
  Kind kind = Kind::Settle;
  int line = 0;
  POINT point{};
  bool atStylus = false;  // a wheel turned wherever the stylus last was
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

// `screen` bounds the points of "tap", "down", "up", "move" and "wheel".
ParsedScript ParseScript(std::string_view text, SIZE screen);

// RETURN ESCAPE TAB SPACE BACK LEFT RIGHT UP DOWN PAGEUP PAGEDOWN PLUS MINUS
// ADD SUBTRACT (PLUS and MINUS are the main keyboard's "=" and "-" keys, ADD
// and SUBTRACT the keypad's), a digit, a letter (any case) or a code
// 0x01..0xFE.
std::optional<UINT> ParseKeyName(std::string_view name);
