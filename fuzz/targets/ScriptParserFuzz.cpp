// Any automation script on any screen size, and any command line. Every line
// must either give steps or one error, never both; steps must stay on the
// screen and within their value ranges; and a script saved with CR LF line
// ends must mean what it means with LF.

#include <algorithm>
#include <string>
#include <vector>

#include "fuzz/targets/FuzzCheck.h"
#include "fuzz/targets/FuzzInput.h"
#include "fuzz/targets/FuzzTargets.h"
#include "platform/backends/entry/CommandLine.h"
#include "platform/backends/headless/Script.h"

namespace {

constexpr SIZE kScreens[] = {{240, 320}, {176, 220}, {480, 640}, {240, 240}};

bool IsBlankOrComment(std::string_view line) {
  const std::size_t first = line.find_first_not_of(" \t\r");
  return first == std::string_view::npos || line[first] == '#';
}

std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  for (;;) {
    const std::size_t end = text.find('\n');
    lines.push_back(text.substr(0, end));
    if (end == std::string_view::npos) return lines;
    text.remove_prefix(end + 1);
  }
}

void CheckSteps(const ParsedScript& parsed, std::string_view text, SIZE screen) {
  const std::vector<std::string_view> lines = Lines(text);
  std::vector<int> stepLines;
  for (const ScriptStep& step : parsed.steps) {
    FUZZ_CHECK(step.line >= 1 && static_cast<std::size_t>(step.line) <= lines.size());
    FUZZ_CHECK(stepLines.empty() || stepLines.back() <= step.line);
    if (stepLines.empty() || stepLines.back() != step.line) stepLines.push_back(step.line);
    switch (step.kind) {
      case ScriptStep::Kind::Wheel:
        FUZZ_CHECK(step.notches != 0 && step.notches >= -100 && step.notches <= 100);
        if (step.atStylus) break;
        [[fallthrough]];
      case ScriptStep::Kind::StylusDown:
      case ScriptStep::Kind::StylusMove:
      case ScriptStep::Kind::StylusUp:
      case ScriptStep::Kind::RightClick:
        FUZZ_CHECK(step.point.x >= 0 && step.point.x < screen.cx && step.point.y >= 0 &&
                   step.point.y < screen.cy);
        break;
      case ScriptStep::Kind::KeyDown:
      case ScriptStep::Kind::KeyUp:
        FUZZ_CHECK(step.key >= 1 && step.key <= 0xFE);
        break;
      case ScriptStep::Kind::Characters:
        FUZZ_CHECK(step.text.find(u'\n') == WideString::npos);
        FUZZ_CHECK(step.text.empty() || step.text.back() != u'\r');
        break;
      case ScriptStep::Kind::Advance:
        FUZZ_CHECK(step.milliseconds <= 0x7FFFFFFFu);
        break;
      case ScriptStep::Kind::Shot:
      case ScriptStep::Kind::Dump:
        FUZZ_CHECK(!step.path.empty() && step.path.find('\n') == std::string::npos);
        FUZZ_CHECK(step.path.front() != ' ' && step.path.back() != ' ' && step.path.back() != '\r');
        break;
      case ScriptStep::Kind::Settle:
        break;
    }
  }
  std::vector<int> errorLines;
  for (const ScriptError& error : parsed.errors) {
    FUZZ_CHECK(!error.message.empty());
    // One error a line, in line order.
    FUZZ_CHECK(errorLines.empty() || errorLines.back() < error.line);
    FUZZ_CHECK(!std::binary_search(stepLines.begin(), stepLines.end(), error.line));
    errorLines.push_back(error.line);
  }
  std::vector<int> commandLines;
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (!IsBlankOrComment(lines[i])) commandLines.push_back(static_cast<int>(i + 1));
  std::vector<int> answered;
  std::merge(stepLines.begin(), stepLines.end(), errorLines.begin(), errorLines.end(),
             std::back_inserter(answered));
  FUZZ_CHECK(answered == commandLines);
}

bool SameSteps(const ParsedScript& a, const ParsedScript& b) {
  if (a.steps.size() != b.steps.size() || a.errors.size() != b.errors.size()) return false;
  for (std::size_t i = 0; i < a.steps.size(); ++i) {
    const ScriptStep& x = a.steps[i];
    const ScriptStep& y = b.steps[i];
    if (x.kind != y.kind || x.line != y.line || !(x.point == y.point) || x.key != y.key || x.text != y.text ||
        x.milliseconds != y.milliseconds || x.path != y.path)
      return false;
  }
  for (std::size_t i = 0; i < a.errors.size(); ++i)
    if (a.errors[i].line != b.errors[i].line) return false;
  return true;
}

void CheckCommandLine(std::string_view text) {
  std::vector<std::string> arguments;
  for (;;) {
    const std::size_t end = text.find('\0');
    arguments.emplace_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  const CommandLine line = ParseCommandLine(arguments);
  FUZZ_CHECK(line.options.has_value() == line.error.empty());
  if (!line.options) return;
  const PlatformOptions& options = *line.options;
  FUZZ_CHECK(options.device.width >= 1 && options.device.width <= 4096);
  FUZZ_CHECK(options.device.height >= 1 && options.device.height <= 4096);
  FUZZ_CHECK(options.device.bitsPerPixel == 16 || options.device.bitsPerPixel == 32);
  FUZZ_CHECK(!options.device.platformType.empty());
  FUZZ_CHECK(options.scale >= 0 && options.scale <= 8);
  FUZZ_CHECK(!options.headless || options.help || !options.scriptPath.empty());
}

}  // namespace

void FuzzScriptParser(FuzzBytes data) {
  FuzzInput input(data);
  const SIZE screen = kScreens[input.TakeByte() % std::size(kScreens)];
  const std::string_view script = input.TakePart();
  const std::string_view commandLine = input.TakeRest();

  const ParsedScript parsed = ParseScript(script, screen);
  CheckSteps(parsed, script, screen);

  if (script.find('\r') == std::string_view::npos) {
    std::string crlf;
    for (const char c : script) {
      if (c == '\n') crlf += '\r';
      crlf += c;
    }
    FUZZ_CHECK(SameSteps(ParseScript(crlf, screen), parsed));
  }

  CheckCommandLine(commandLine);
}
