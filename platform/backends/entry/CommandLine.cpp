#include "platform/backends/entry/CommandLine.h"

#include <charconv>

#include "platform/runtime/CodePage.h"

namespace {

constexpr LONG kMaxScreenSide = 4096;
constexpr int kMaxScale = 8;
constexpr std::size_t kMaxPlatformName = 126;  // what SPI_GETPLATFORMTYPE's 255-byte buffer holds

std::optional<long> ParseInteger(const std::string& text, long low, long high) {
  long value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size() || value < low || value > high)
    return std::nullopt;
  return value;
}

}  // namespace

std::string UsageText() {
  return "Usage: vespera [OPTION]...\n"
         "Vespera, a night-sky map for small screens, on an emulated handheld device.\n"
         "\n"
         "  --screen WxH       screen size in pixels (default 480x640; in a window, the\n"
         "                     display's own size where 480x640 does not fit)\n"
         "  --fullscreen       the window covers the whole display (window only)\n"
         "  --platform NAME    platform type reported to the program (default \"PocketPC\";\n"
         "                     \"Smartphone\" makes a 240-wide screen a phone)\n"
         "  --depth 16|32      screen bits per pixel (default 32)\n"
         "  --profile FILE     settings file (default $XDG_CONFIG_HOME/NocturnaMobile/Vespera.ini)\n"
         "  --scale N          window magnification (window only; default fits the desktop, at most 3)\n"
         "  --headless         no window; requires --script\n"
         "  --script FILE      replay the commands in FILE ('-' reads standard input)\n"
         "  -h, --help         show this help and exit\n"
         "  --version          show the name and version and exit\n"
         "\n"
         "Exit status: 0 after a normal end, 2 for a bad option or script, 1 otherwise.\n";
}

std::string VersionText() { return std::string(VESPERA_PRODUCT_NAME) + " " + VESPERA_VERSION + "\n"; }

CommandLine ParseCommandLine(std::span<const std::string> arguments) {
  PlatformOptions options;
  auto fail = [](std::string message) { return CommandLine{std::nullopt, std::move(message)}; };

  for (std::size_t i = 0; i < arguments.size(); ++i) {
    std::string name = arguments[i];
    std::optional<std::string> value;
    if (const auto eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
      value = name.substr(eq + 1);
      name.erase(eq);
    }
    const bool takesValue = name == "--screen" || name == "--platform" || name == "--depth" ||
                            name == "--profile" || name == "--scale" || name == "--script";
    if (takesValue && !value) {
      if (i + 1 >= arguments.size()) return fail(name + ": missing value");
      value = arguments[++i];
    } else if (!takesValue && value) {
      return fail(name + ": takes no value");
    }

    if (name == "--help" || name == "-h") {
      options.help = true;
    } else if (name == "--fullscreen") {
      options.fullscreen = true;
    } else if (name == "--version") {
      options.version = true;
    } else if (name == "--headless") {
      options.headless = true;
    } else if (name == "--screen") {
      const auto x = value->find('x');
      const auto width = x == std::string::npos ? std::nullopt : ParseInteger(value->substr(0, x), 1, kMaxScreenSide);
      const auto height =
          x == std::string::npos ? std::nullopt : ParseInteger(value->substr(x + 1), 1, kMaxScreenSide);
      if (!width || !height)
        return fail("--screen: expected WxH with sides from 1 to " + std::to_string(kMaxScreenSide) +
                    " pixels, got \"" + *value + "\"");
      options.device.width = LONG(*width);
      options.device.height = LONG(*height);
      options.screenGiven = true;
    } else if (name == "--platform") {
      if (value->empty() || value->size() > kMaxPlatformName)
        return fail("--platform: expected a name of 1 to " + std::to_string(kMaxPlatformName) + " characters");
      options.device.platformType = Utf8ToWide(*value);
    } else if (name == "--depth") {
      if (*value != "16" && *value != "32") return fail("--depth: expected 16 or 32, got \"" + *value + "\"");
      options.device.bitsPerPixel = *value == "16" ? 16 : 32;
    } else if (name == "--profile") {
      if (value->empty()) return fail("--profile: expected a file name");
      options.profileFile = *value;
    } else if (name == "--scale") {
      const auto scale = ParseInteger(*value, 1, kMaxScale);
      if (!scale) return fail("--scale: expected a whole number from 1 to " + std::to_string(kMaxScale));
      options.scale = int(*scale);
    } else if (name == "--script") {
      if (value->empty()) return fail("--script: expected a file name or '-'");
      options.scriptPath = *value;
    } else if (name.rfind("--", 0) == 0) {
      return fail("unknown option " + name);
    } else {
      return fail("unexpected argument \"" + name + "\" (the program takes no arguments)");
    }
  }
  if (options.headless && options.scriptPath.empty() && !options.help && !options.version)
    return fail("--headless requires --script FILE");
  return CommandLine{options, {}};
}
