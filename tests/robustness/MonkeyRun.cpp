#include "tests/robustness/MonkeyRun.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/robustness/MonkeyScript.h"

namespace vespera {

namespace {

// "vespera: script.txt:17: the program ended before this line; ..." names
// the first line the program did not take; 0 when all were played.
int FirstUnplayedLine(const std::string& errors) {
  const std::string marker = ": the program ended before this line";
  const std::size_t end = errors.find(marker);
  if (end == std::string::npos) return 0;
  const std::size_t start = errors.rfind(':', end - 1);
  if (start == std::string::npos) return 0;
  int line = 0;
  std::from_chars(errors.data() + start + 1, errors.data() + end, line);
  return line;
}

std::string JoinLines(const std::vector<std::string>& lines, std::size_t from, std::size_t to) {
  std::string text;
  for (std::size_t i = from; i < to; ++i) text += lines[i] + '\n';
  return text;
}

std::string Describe(const MonkeyOptions& options) {
  std::ostringstream text;
  text << "monkey seed " << options.seed << ", " << options.steps << " steps, " << options.device.name
       << ", red mode " << (options.redScreen ? "on" : "off");
  return text.str();
}

std::string FailedScriptName(const MonkeyOptions& options) {
  std::ostringstream name;
  name << "monkey-failed-seed" << options.seed << "-" << options.device.width << "x" << options.device.height
       << "-" << options.device.platform << (options.redScreen ? "-red" : "") << ".txt";
  return name.str();
}

}  // namespace

MonkeyReport RunMonkey(const ProgramSandbox& sandbox, const MonkeyOptions& options) {
  MonkeyScriptOptions scriptOptions;
  scriptOptions.seed = options.seed;
  scriptOptions.steps = options.steps;
  scriptOptions.width = options.device.width;
  scriptOptions.height = options.device.height;
  const std::vector<std::string> lines = MakeMonkeyScript(scriptOptions);

  RunLimits limits = options.limits;
  limits.progressFile = sandbox.File(scriptOptions.progressFile).string();
  std::filesystem::remove(sandbox.SettingsFile());
  sandbox.WriteText(sandbox.SettingsFile().filename().string(),
                    std::string("[Main]\nRedScreenMode=") + (options.redScreen ? "1" : "0") + "\n");

  MonkeyReport report;
  std::size_t next = 0;
  while (next < lines.size()) {
    const std::string settingsBefore = ReadFileText(sandbox.SettingsFile());
    const SandboxRun run = sandbox.Run(JoinLines(lines, next, lines.size()), options.device, limits);
    ++report.runs;
    report.seconds += run.seconds;
    const int unplayed = FirstUnplayedLine(run.errors);
    const std::size_t end = unplayed > 0 ? next + std::size_t(unplayed) - 1 : lines.size();
    std::string problem;
    if (!run.NormalExit())
      problem = run.Summary();
    else if (const std::string settings = SettingsProblem(sandbox.SettingsFile()); !settings.empty())
      problem = settings;
    if (!problem.empty()) {
      // The failure happened somewhere in this run's lines: they are kept
      // with the settings the run started from, to replay it.
      const std::filesystem::path kept = std::filesystem::current_path() / FailedScriptName(options);
      std::ofstream(kept, std::ios::binary) << JoinLines(lines, next, lines.size());
      std::ofstream(kept.string() + ".ini", std::ios::binary) << settingsBefore;
      std::ostringstream text;
      text << Describe(options) << ": run " << report.runs << " (script lines " << next + 1 << " to "
           << lines.size() << ", kept in " << kept.string() << " with its settings in " << kept.string()
           << ".ini): " << problem;
      report.failure = text.str();
      return report;
    }
    report.linesPlayed += int(end - next);
    // A run that played nothing would repeat for ever.
    next = end > next ? end : next + 1;
  }
  return report;
}

}  // namespace vespera
