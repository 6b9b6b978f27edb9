#include "platform/backends/headless/Script.h"

#include <array>
#include <charconv>
#include <iterator>
#include <limits>

#include "platform/runtime/CodePage.h"
#include "platform/runtime/Expected.h"
#include "platform/windows/VirtualKeys.h"

namespace {

// Enough for any zoom a test wants; a larger turn is a typing mistake.
constexpr int kMaxScriptNotches = 100;

bool IsSpace(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (IsSpace(s.front()) || s.front() == '\r')) s.remove_prefix(1);
  while (!s.empty() && (IsSpace(s.back()) || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

// A script saved with CR LF line ends means what it means with LF: the CR
// would otherwise cling to the last word ("wait\r" is no command).
std::string_view StripLineEnd(std::string_view s) {
  while (!s.empty() && s.back() == '\r') s.remove_suffix(1);
  return s;
}

std::vector<std::string_view> Words(std::string_view s) {
  std::vector<std::string_view> words;
  std::size_t i = 0;
  while (i < s.size()) {
    while (i < s.size() && IsSpace(s[i])) ++i;
    const std::size_t start = i;
    while (i < s.size() && !IsSpace(s[i])) ++i;
    if (i > start) words.push_back(s.substr(start, i - start));
  }
  return words;
}

std::optional<long long> ParseNumber(std::string_view word, long long maximum) {
  long long value = 0;
  const auto result = std::from_chars(word.data(), word.data() + word.size(), value);
  if (result.ec != std::errc() || result.ptr != word.data() + word.size() || value < 0 || value > maximum)
    return std::nullopt;
  return value;
}

std::optional<int> ParseNotches(std::string_view word) {
  int value = 0;
  // "+-5" is no number: the sign after the plus would be taken as the one.
  if (word.starts_with("+-") || word.starts_with("++")) return std::nullopt;
  const char* begin = word.data() + (word.starts_with('+') ? 1 : 0);
  const auto result = std::from_chars(begin, word.data() + word.size(), value);
  if (result.ec != std::errc() || result.ptr != word.data() + word.size() || value == 0 ||
      value < -kMaxScriptNotches || value > kMaxScriptNotches)
    return std::nullopt;
  return value;
}

// Appended piece by piece: prepending a literal to a temporary string makes
// GCC 12 at -O3 report a false overlap inside std::string (-Wrestrict).
// Control bytes (a NUL, an escape sequence) are written as \xHH, so that a
// damaged script cannot cut the message or drive the user's terminal.
std::string Quoted(std::string_view word) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string quoted;
  quoted.reserve(word.size() + 2);
  quoted += '"';
  for (const char c : word) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) {
      quoted += "\\x";
      quoted += kHex[byte >> 4];
      quoted += kHex[byte & 0xF];
    } else {
      quoted += c;
    }
  }
  quoted += '"';
  return quoted;
}

// The commands that press or lift the stylus at a point: what each does, and
// whether a finger does it (its messages marked as touch). A press with its
// lift is a tap, which waits.
struct PressCommand {
  std::string_view name;
  bool down;
  bool up;
  bool touch;
};
constexpr PressCommand kPressCommands[] = {{"tap", true, true, false},        {"down", true, false, false},
                                           {"up", false, true, false},        {"touch", true, true, true},
                                           {"touchdown", true, false, true}, {"touchup", false, true, true}};

const PressCommand* PressCommandNamed(std::string_view name) {
  for (const PressCommand& command : kPressCommands)
    if (command.name == name) return &command;
  return nullptr;
}

// One command line: its steps, or why the line is wrong (the first fault).
class LineParser {
 public:
  LineParser(int line, SIZE screen) : line_(line), screen_(screen) {}

  Expected<std::vector<ScriptStep>> Parse(std::string_view text) {
    ParseCommand(text);
    if (error_) return Failure(std::move(*error_));
    return std::move(steps_);
  }

 private:
  void ParseCommand(std::string_view text) {
    const std::vector<std::string_view> words = Words(text);
    const std::string_view command = words[0];
    const std::size_t arguments = words.size() - 1;
    // The rest of the line after the command and one separator, for the
    // commands whose argument is free text.
    std::string_view rest = text.substr(command.size());
    if (!rest.empty() && IsSpace(rest.front())) rest.remove_prefix(1);

    if (command == "wait") {
      if (Expect(command, arguments, 0, "")) Add(ScriptStep::Kind::Settle);
    } else if (command == "sleep") {
      if (!Expect(command, arguments, 1, " MS")) return;
      const auto ms = ParseNumber(words[1], std::numeric_limits<std::int32_t>::max());
      if (!ms) return Error("sleep: " + Quoted(words[1]) + " is not a number of milliseconds");
      ScriptStep& advance = Add(ScriptStep::Kind::Advance);
      advance.milliseconds = DWORD(*ms);
      Add(ScriptStep::Kind::Settle);
    } else if (const PressCommand* press = PressCommandNamed(command)) {
      if (!Expect(command, arguments, 2, " X Y")) return;
      const auto point = ParsePoint(command, words[1], words[2]);
      if (!point) return;
      if (press->down) AddStylus(ScriptStep::Kind::StylusDown, *point, press->touch);
      if (press->up) AddStylus(ScriptStep::Kind::StylusUp, *point, press->touch);
      if (press->down && press->up) Add(ScriptStep::Kind::Settle);
    } else if (command == "rtap") {
      if (!Expect(command, arguments, 2, " X Y")) return;
      const auto point = ParsePoint(command, words[1], words[2]);
      if (!point) return;
      Add(ScriptStep::Kind::RightClick).point = *point;
      Add(ScriptStep::Kind::Settle);
    } else if (command == "move" || command == "touchmove") {
      if (!Expect(command, arguments, 2, " X Y")) return;
      if (const auto point = ParsePoint(command, words[1], words[2]))
        AddStylus(ScriptStep::Kind::StylusMove, *point, command == "touchmove");
    } else if (command == "wheel") {
      if (arguments != 1 && arguments != 3) return Error("wheel: expected \"wheel N\" or \"wheel N X Y\"");
      const auto notches = ParseNotches(words[1]);
      if (!notches)
        return Error("wheel: " + Quoted(words[1]) + " is not a number of notches (-" +
                     std::to_string(kMaxScriptNotches) + " to " + std::to_string(kMaxScriptNotches) + ", not 0)");
      std::optional<POINT> point;
      if (arguments == 3 && !(point = ParsePoint(command, words[2], words[3]))) return;
      ScriptStep& wheel = Add(ScriptStep::Kind::Wheel);
      wheel.notches = *notches;
      wheel.atStylus = !point;
      if (point) wheel.point = *point;
      Add(ScriptStep::Kind::Settle);
    } else if (command == "key" || command == "keydown" || command == "keyup") {
      if (!Expect(command, arguments, 1, " K")) return;
      const auto key = ParseKeyName(words[1]);
      if (!key) return Error(std::string(command) + ": unknown key " + Quoted(words[1]));
      if (command != "keyup") Add(ScriptStep::Kind::KeyDown).key = *key;
      if (command == "key") Add(ScriptStep::Kind::Settle);
      if (command != "keydown") Add(ScriptStep::Kind::KeyUp).key = *key;
      if (command == "key") Add(ScriptStep::Kind::Settle);
    } else if (command == "type") {
      if (rest.empty()) return Error("type: expected TEXT after the command");
      Add(ScriptStep::Kind::Characters).text = Utf8ToWide(rest);
      Add(ScriptStep::Kind::Settle);
    } else if (command == "shot" || command == "dump") {
      const std::string_view path = Trim(rest);
      if (path.empty()) return Error(std::string(command) + ": expected FILE after the command");
      Add(command == "shot" ? ScriptStep::Kind::Shot : ScriptStep::Kind::Dump).path = std::string(path);
    } else {
      Error("unknown command " + Quoted(command));
    }
  }

  ScriptStep& Add(ScriptStep::Kind kind) {
    ScriptStep& step = steps_.emplace_back();
    step.kind = kind;
    step.line = line_;
    return step;
  }

  void AddStylus(ScriptStep::Kind kind, POINT point, bool touch) {
    ScriptStep& step = Add(kind);
    step.point = point;
    step.touch = touch;
  }

  void Error(std::string message) {
    if (!error_) error_ = std::move(message);
  }

  bool Expect(std::string_view command, std::size_t got, std::size_t wanted, const char* usage) {
    if (got == wanted) return true;
    Error(std::string(command) + ": expected \"" + std::string(command) + usage + "\"");
    return false;
  }

  std::optional<POINT> ParsePoint(std::string_view command, std::string_view x, std::string_view y) {
    const auto px = ParseNumber(x, std::numeric_limits<std::int32_t>::max());
    const auto py = ParseNumber(y, std::numeric_limits<std::int32_t>::max());
    if (!px || !py) {
      Error(std::string(command) + ": " + Quoted(!px ? x : y) + " is not a pixel coordinate");
      return std::nullopt;
    }
    if (*px >= screen_.cx || *py >= screen_.cy) {
      Error(std::string(command) + ": point (" + std::to_string(*px) + ", " + std::to_string(*py) +
            ") lies outside the " + std::to_string(screen_.cx) + "x" + std::to_string(screen_.cy) + " screen");
      return std::nullopt;
    }
    return POINT{LONG(*px), LONG(*py)};
  }

  int line_;
  SIZE screen_;
  std::vector<ScriptStep> steps_;
  std::optional<std::string> error_;
};

}  // namespace

std::optional<UINT> ParseKeyName(std::string_view name) {
  struct Named {
    std::string_view name;
    UINT key;
  };
  static constexpr std::array kNames{
      Named{"RETURN", VK_RETURN}, Named{"ESCAPE", VK_ESCAPE}, Named{"TAB", VK_TAB},
      Named{"SPACE", VK_SPACE},   Named{"BACK", VK_BACK},     Named{"LEFT", VK_LEFT},
      Named{"RIGHT", VK_RIGHT},   Named{"UP", VK_UP},         Named{"DOWN", VK_DOWN},
      Named{"PAGEUP", VK_PRIOR},  Named{"PAGEDOWN", VK_NEXT}, Named{"PLUS", VK_OEM_PLUS},
      Named{"MINUS", VK_OEM_MINUS}, Named{"ADD", VK_ADD},     Named{"SUBTRACT", VK_SUBTRACT},
  };
  std::string upper(name);
  for (char& c : upper)
    if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
  for (const Named& named : kNames)
    if (upper == named.name) return named.key;
  if (upper.size() == 1 && ((upper[0] >= '0' && upper[0] <= '9') || (upper[0] >= 'A' && upper[0] <= 'Z')))
    return UINT(upper[0]);
  if (upper.size() > 2 && upper[0] == '0' && upper[1] == 'X') {
    unsigned value = 0;
    const char* begin = upper.data() + 2;
    const char* end = upper.data() + upper.size();
    const auto result = std::from_chars(begin, end, value, 16);
    if (result.ec == std::errc() && result.ptr == end && value >= 1 && value <= 0xFE) return value;
  }
  return std::nullopt;
}

namespace {

Expected<std::vector<ScriptStep>> ParseScriptLine(std::string_view raw, int line, SIZE screen) {
  raw = StripLineEnd(raw);
  const std::string_view trimmed = Trim(raw);
  if (trimmed.empty() || trimmed.front() == '#') return std::vector<ScriptStep>();
  // Leading blanks are not part of a command's free text either.
  return LineParser(line, screen).Parse(raw.substr(raw.find(trimmed.front())));
}

}  // namespace

ParsedScript ParseScript(std::string_view text, SIZE screen) {
  ParsedScript parsed;
  int line = 0;
  while (!text.empty() || line == 0) {
    const std::size_t end = text.find('\n');
    const std::string_view raw = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    ++line;
    Expected<std::vector<ScriptStep>> steps = ParseScriptLine(raw, line, screen);
    if (steps)
      parsed.steps.insert(parsed.steps.end(), std::make_move_iterator(steps->begin()),
                          std::make_move_iterator(steps->end()));
    else
      parsed.errors.push_back({line, steps.reason()});
    if (end == std::string_view::npos) break;
  }
  return parsed;
}

bool ScriptReader::ReadLine(std::string& line, bool& tooLong) {
  line.clear();
  tooLong = false;
  std::streambuf& input = *in_.rdbuf();
  bool any = false;
  for (;;) {
    const int c = input.sbumpc();
    if (c == std::char_traits<char>::eof()) return any;
    any = true;
    if (c == '\n') return true;
    if (line.size() == kMaxScriptLineBytes) {
      // Not read to its end: an endless input without a line feed would
      // never give one.
      tooLong = true;
      return true;
    }
    line += static_cast<char>(c);
  }
}

std::optional<ScriptError> ScriptReader::Next(std::vector<ScriptStep>& steps) {
  steps.clear();
  std::string text;
  bool tooLong = false;
  while (!stopped_ && steps.empty() && ReadLine(text, tooLong)) {
    ++line_;
    if (tooLong) {
      stopped_ = true;
      return ScriptError{line_, "the line is longer than " + std::to_string(kMaxScriptLineBytes) +
                                    " bytes; the script is read no further"};
    }
    Expected<std::vector<ScriptStep>> parsed = ParseScriptLine(text, line_, screen_);
    if (!parsed) return ScriptError{line_, parsed.reason()};
    steps = std::move(*parsed);
  }
  return std::nullopt;
}
