#include "platform/backends/entry/CommandLine.h"

#include <array>
#include <charconv>
#include <string_view>

#include "platform/runtime/CodePage.h"

namespace {

constexpr LONG kMaxScreenSide = 4096;
constexpr int kMaxScale = 8;
constexpr std::size_t kMaxPlatformName = 126;  // what SPI_GETPLATFORMTYPE's 255-byte buffer holds
// The usage text's help column.
constexpr std::size_t kHelpColumn = 21;

std::optional<long> ParseInteger(const std::string& text, long low, long high) {
  long value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size() || value < low || value > high)
    return std::nullopt;
  return value;
}

// Takes an option's value into the options; answers what is wrong with it,
// or an empty text.
using ApplyOption = std::string (*)(PlatformOptions& options, const std::string& value);

struct PlatformOptionSpec {
  std::string_view name;
  std::string_view shortName;  // "-h", or empty
  std::string_view valueName;  // empty for a switch
  std::string_view help;       // a '\n' starts a continuation line
  ApplyOption apply;
};

std::string ApplyScreen(PlatformOptions& options, const std::string& value) {
  const auto x = value.find('x');
  const auto width = x == std::string::npos ? std::nullopt : ParseInteger(value.substr(0, x), 1, kMaxScreenSide);
  const auto height = x == std::string::npos ? std::nullopt : ParseInteger(value.substr(x + 1), 1, kMaxScreenSide);
  if (!width || !height)
    return "expected WxH with sides from 1 to " + std::to_string(kMaxScreenSide) + " pixels, got \"" + value + "\"";
  options.device.width = LONG(*width);
  options.device.height = LONG(*height);
  options.screenGiven = true;
  return {};
}

std::string ApplyPlatform(PlatformOptions& options, const std::string& value) {
  if (value.empty() || value.size() > kMaxPlatformName)
    return "expected a name of 1 to " + std::to_string(kMaxPlatformName) + " characters";
  options.device.platformType = Utf8ToWide(value);
  return {};
}

std::string ApplyDepth(PlatformOptions& options, const std::string& value) {
  if (value != "16" && value != "32") return "expected 16 or 32, got \"" + value + "\"";
  options.device.bitsPerPixel = value == "16" ? 16 : 32;
  return {};
}

std::string ApplyProfile(PlatformOptions& options, const std::string& value) {
  if (value.empty()) return "expected a file name";
  options.profileFile = value;
  return {};
}

std::string ApplyScale(PlatformOptions& options, const std::string& value) {
  const auto scale = ParseInteger(value, 1, kMaxScale);
  if (!scale) return "expected a whole number from 1 to " + std::to_string(kMaxScale);
  options.scale = int(*scale);
  return {};
}

std::string ApplyPhone(PlatformOptions& options, const std::string& value) {
  if (value != "yes" && value != "no") return "expected yes or no, got \"" + value + "\"";
  options.phoneDisplay = value == "yes";
  return {};
}

std::string ApplyScript(PlatformOptions& options, const std::string& value) {
  if (value.empty()) return "expected a file name or '-'";
  options.scriptPath = value;
  return {};
}

// The platform's options, in the order the usage text lists them. --profile's
// help ends with the program's default settings file.
constexpr std::array kPlatformOptions{
    PlatformOptionSpec{"--screen", "", "WxH",
                       "screen size in pixels (default 480x640; in a window, the\n"
                       "display's own size where 480x640 does not fit)",
                       ApplyScreen},
    PlatformOptionSpec{"--fullscreen", "", "", "the window covers the whole display (window only)",
                       [](PlatformOptions& o, const std::string&) { return (o.fullscreen = true, std::string()); }},
    PlatformOptionSpec{"--platform", "", "NAME",
                       "platform type reported to the program (default \"PocketPC\";\n"
                       "\"Smartphone\" makes a 240-wide screen a phone)",
                       ApplyPlatform},
    PlatformOptionSpec{"--depth", "", "16|32", "screen bits per pixel (default 32)", ApplyDepth},
    PlatformOptionSpec{"--profile", "", "FILE", "settings file", ApplyProfile},
    PlatformOptionSpec{"--scale", "", "N", "window magnification (window only; default fits the desktop, at most 3)",
                       ApplyScale},
    PlatformOptionSpec{"--phone", "", "yes|no",
                       "full screen at a whole magnification that makes the screen\n"
                       "240 to 480 wide (window only; default: yes on an upright\n"
                       "display of 200 dpi or more)",
                       ApplyPhone},
    PlatformOptionSpec{"--headless", "", "", "no window; requires --script",
                       [](PlatformOptions& o, const std::string&) { return (o.headless = true, std::string()); }},
    PlatformOptionSpec{"--script", "", "FILE", "replay the commands in FILE ('-' reads standard input)", ApplyScript},
    PlatformOptionSpec{"--help", "-h", "", "show this help and exit",
                       [](PlatformOptions& o, const std::string&) { return (o.help = true, std::string()); }},
    PlatformOptionSpec{"--version", "", "", "show the name and version and exit",
                       [](PlatformOptions& o, const std::string&) { return (o.version = true, std::string()); }},
};

// One option's lines of the usage text: the name and value, then the help
// from the help column, its continuation lines indented to it.
void AppendUsage(std::string& text, std::string_view shortName, std::string_view name, std::string_view valueName,
                 std::string_view help) {
  std::string head = "  ";
  if (!shortName.empty()) head.append(shortName).append(", ");
  head.append(name);
  if (!valueName.empty()) head.append(" ").append(valueName);
  text += head;
  // A head that reaches the help column puts the help on a line of its own.
  if (head.size() + 1 < kHelpColumn)
    text.append(kHelpColumn - head.size(), ' ');
  else
    text.append("\n").append(kHelpColumn, ' ');
  for (char c : help) {
    text += c;
    if (c == '\n') text.append(kHelpColumn, ' ');
  }
  text += '\n';
}

std::string CommandName(const ProgramDescription& program) {
  return program.commandName.empty() ? std::string("program") : program.commandName;
}

}  // namespace

std::string UsageText(const ProgramDescription& program) {
  std::string text = "Usage: " + CommandName(program) + " [OPTION]...\n";
  if (!program.summary.empty()) text += program.summary + "\n";
  text += "\n";
  for (const PlatformOptionSpec& option : kPlatformOptions) {
    std::string help(option.help);
    if (option.name == "--profile" && !program.settingsFileDefault.empty())
      help += " (default " + program.settingsFileDefault + ")";
    AppendUsage(text, option.shortName, option.name, option.valueName, help);
  }
  for (const ProgramOptionSpec& option : program.options) {
    if (option.valueOptional)
      AppendUsage(text, {}, option.name + "[=" + option.valueName + "]", {}, option.help);
    else
      AppendUsage(text, {}, option.name, option.valueName, option.help);
  }
  text += "\nExit status: 0 after a normal end, 2 for a bad option or script, 1 otherwise.\n";
  return text;
}

std::string VersionText(const ProgramDescription& program) {
  return (program.displayName.empty() ? CommandName(program) : program.displayName) + " " + program.version + "\n";
}

CommandLine ParseCommandLine(std::span<const std::string> arguments, const ProgramDescription& program) {
  PlatformOptions options;
  auto fail = [](std::string message) { return CommandLine{std::nullopt, std::move(message)}; };

  for (std::size_t i = 0; i < arguments.size(); ++i) {
    std::string name = arguments[i];
    std::optional<std::string> value;
    if (const auto eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
      value = name.substr(eq + 1);
      name.erase(eq);
    }
    const PlatformOptionSpec* platformOption = nullptr;
    for (const PlatformOptionSpec& option : kPlatformOptions)
      if (name == option.name || (!option.shortName.empty() && name == option.shortName)) platformOption = &option;
    const ProgramOptionSpec* programOption = nullptr;
    for (const ProgramOptionSpec& option : program.options)
      if (name == option.name) programOption = &option;
    if (!platformOption && !programOption) {
      if (name.rfind("--", 0) == 0) return fail("unknown option " + name);
      return fail("unexpected argument \"" + name + "\" (the program takes no arguments)");
    }

    const bool valueOptional = programOption && programOption->valueOptional;
    const bool takesValue = platformOption ? !platformOption->valueName.empty() : !programOption->valueName.empty();
    if (takesValue && !value && !valueOptional) {
      if (i + 1 >= arguments.size()) return fail(name + ": missing value");
      value = arguments[++i];
    } else if (!takesValue && value && !valueOptional) {
      return fail(name + ": takes no value");
    }
    if (platformOption) {
      if (const std::string problem = platformOption->apply(options, value.value_or("")); !problem.empty())
        return fail(name + ": " + problem);
    } else {
      // The program checks its own values when it starts.
      options.programOptions.insert_or_assign(name, value.value_or(""));
    }
  }
  if (options.headless && options.scriptPath.empty() && !options.help && !options.version)
    return fail("--headless requires --script FILE");
  return CommandLine{options, {}};
}
