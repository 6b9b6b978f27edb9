#include "platform/backends/entry/PlatformMain.h"

#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <vector>

#include "platform/backends/entry/CommandLine.h"
#include "platform/backends/headless/HeadlessBackend.h"
#include "platform/backends/sdl/SdlBackend.h"
#include "platform/framework/StandardClasses.h"
#include "platform/framework/WinApp.h"
#include "platform/windows/Desktop.h"

namespace {

constexpr int kNormalEnd = 0;
constexpr int kFailure = 1;
constexpr int kBadUsage = 2;

std::string ExecutablePath() {
  std::error_code error;
  const auto path = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string() : path.string();
}

// Reads a script file through once, reporting every bad line, so that a bad
// script stops before the program starts; then rewinds it for the run. A
// FIFO or a device is not read twice: it plays as it is read.
bool CheckScriptFile(std::ifstream& file, const std::string& path, SIZE screen, std::ostream& err) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return true;
  ScriptReader check(file, screen);
  std::vector<ScriptStep> steps;
  bool good = true;
  for (;;) {
    if (const std::optional<ScriptError> bad = check.Next(steps)) {
      err << path << ':' << bad->line << ": " << bad->message << '\n';
      good = false;
    } else if (steps.empty()) {
      break;
    }
  }
  file.clear();
  file.seekg(0);
  return good;
}

// What starts each line the platform writes on standard error.
std::string ErrorPrefix(const ProgramDescription& program) {
  return (program.commandName.empty() ? std::filesystem::path(ExecutablePath()).stem().string() : program.commandName) +
         ": ";
}

int RunOnDesktop(const PlatformOptions& options, Backend& backend, Clock& clock, CWinApp& application,
                 std::ostream& err, const std::string& errorPrefix, std::optional<SIZE> screen = std::nullopt) {
  DeviceProfile device = options.device;
  if (screen) {
    device.width = screen->cx;
    device.height = screen->cy;
  }
  device.modulePath = ExecutablePath();
  Desktop desktop(device, clock, backend);
  desktop.Debug().AttachTo(err, errorPrefix);
  RegisterStandardWindowClasses(desktop);
  application.SetModulePath(device.modulePath);
  if (!options.profileFile.empty()) application.SetProfileFile(options.profileFile);
  application.SetCommandOptions(options.programOptions);
  // A program that fails to start says so through ExitInstance's answer.
  if (RunApplication(application) != 0) return kFailure;
  return desktop.QuitRequested() && desktop.QuitCode() != 0 ? kFailure : kNormalEnd;
}

// The real window, until the user closes it.
int RunWindowed(const PlatformOptions& options, const ProgramDescription& program, CWinApp& application,
                PlatformStreams streams) {
  const std::string errorPrefix = ErrorPrefix(program);
  const std::string modulePath = ExecutablePath();
  SdlWindowOptions window;
  window.width = options.device.width;
  window.height = options.device.height;
  window.screenGiven = options.screenGiven;
  window.fullscreen = options.fullscreen;
  window.scale = options.scale;
  if (options.phoneDisplay) window.phone = *options.phoneDisplay ? PhoneRule::Always : PhoneRule::Never;
  window.title = program.displayName.empty() ? std::filesystem::path(modulePath).stem().string() : program.displayName;
  window.iconPath = FindApplicationIcon(modulePath);
  std::string error;
  const std::unique_ptr<SdlBackend> backend = SdlBackend::Open(window, error);
  if (!backend) {
    streams.err << errorPrefix << "cannot open a window: " << error << "; --headless --script FILE runs without one\n";
    return kFailure;
  }
  SteadyClock clock;
  try {
    return RunOnDesktop(options, *backend, clock, application, streams.err, errorPrefix, backend->Screen());
  } catch (const std::exception& e) {
    streams.err << errorPrefix << e.what() << '\n';
    return kFailure;
  }
}

}  // namespace

int RunPlatform(const std::vector<std::string>& arguments, CWinApp& application, PlatformStreams streams) {
  const ProgramDescription program = application.Describe();
  const std::string errorPrefix = ErrorPrefix(program);
  const CommandLine commandLine = ParseCommandLine(arguments, program);
  if (!commandLine.options) {
    streams.err << errorPrefix << commandLine.error << "\nTry '" << errorPrefix.substr(0, errorPrefix.size() - 2)
                << " --help' for the options.\n";
    return kBadUsage;
  }
  const PlatformOptions& options = *commandLine.options;
  if (options.help) {
    streams.out << UsageText(program);
    return kNormalEnd;
  }
  if (options.version) {
    streams.out << VersionText(program);
    return kNormalEnd;
  }
  if (!options.headless) {
    if (!options.scriptPath.empty()) {
      streams.err << errorPrefix << "--script is played only in --headless runs\n";
      return kBadUsage;
    }
    return RunWindowed(options, program, application, streams);
  }

  const std::string scriptName = options.scriptPath == "-" ? "<stdin>" : options.scriptPath;
  const SIZE screen{options.device.width, options.device.height};
  std::ifstream file;
  std::istream* input = &streams.in;
  if (options.scriptPath != "-") {
    std::error_code error;
    if (std::filesystem::is_directory(options.scriptPath, error)) {
      streams.err << errorPrefix << "cannot read the script " << options.scriptPath << ": it is a folder\n";
      return kBadUsage;
    }
    file.open(options.scriptPath, std::ios::binary);
    if (!file) {
      streams.err << errorPrefix << "cannot read the script " << options.scriptPath << '\n';
      return kBadUsage;
    }
    if (!CheckScriptFile(file, options.scriptPath, screen, streams.err)) return kBadUsage;
    input = &file;
  }

  HeadlessBackend backend(std::make_unique<ScriptReader>(*input, screen), scriptName, streams.err);
  int status = kNormalEnd;
  try {
    status = RunOnDesktop(options, backend, backend.Clock(), application, streams.err, errorPrefix);
  } catch (const std::exception& e) {
    streams.err << errorPrefix << e.what() << '\n';
    return kFailure;
  }
  if (backend.BadScript()) return kBadUsage;
  if (backend.Failed()) return kFailure;
  if (const int line = backend.FirstUnplayedLine())
    streams.err << errorPrefix << scriptName << ':' << line
                << ": the program ended before this line; the rest of the script was not played\n";
  return status;
}
