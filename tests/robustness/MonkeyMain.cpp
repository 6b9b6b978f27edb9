// The long monkey run: every supported device, red-screen mode off and on,
// one seed. Prints the seed first, so any run can be repeated, then one line
// per device and mode; the exit status is 0 only when every run passed.
//
//   vespera_monkey [--steps N] [--seed S] [--program-dir DIR] [--executable FILE]
//                  [--stall-seconds N]

#include <charconv>
#include <chrono>
#include <iostream>
#include <random>
#include <string>

#include "tests/robustness/MonkeyRun.h"

using namespace vespera;

namespace {

bool ParseUnsigned(const std::string& text, std::uint64_t& value) {
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  return result.ec == std::errc() && result.ptr == text.data() + text.size();
}

}  // namespace

int main(int argc, char** argv) {
  std::uint64_t steps = 20000;
  std::uint64_t seed = std::random_device{}();
  std::uint64_t stallSeconds = 120;
  std::filesystem::path programDir = StagedProgramDir();
  std::filesystem::path executable = TestedExecutable();
  for (int i = 1; i < argc; ++i) {
    const std::string name = argv[i];
    if (i + 1 >= argc) {
      std::cerr << "vespera_monkey: " << name << " needs a value\n";
      return 2;
    }
    const std::string value = argv[++i];
    bool ok = true;
    if (name == "--steps")
      ok = ParseUnsigned(value, steps) && steps > 0;
    else if (name == "--seed")
      ok = ParseUnsigned(value, seed);
    else if (name == "--stall-seconds")
      ok = ParseUnsigned(value, stallSeconds) && stallSeconds > 0;
    else if (name == "--program-dir")
      programDir = value;
    else if (name == "--executable")
      executable = value;
    else
      ok = false;
    if (!ok) {
      std::cerr << "vespera_monkey: bad option " << name << " " << value << "\n";
      return 2;
    }
  }
  if (programDir.empty() || executable.empty()) {
    std::cerr << "vespera_monkey: name the program folder and executable (--program-dir, --executable)\n";
    return 2;
  }

  std::cout << "monkey seed " << seed << ", " << steps << " steps per device and mode\n" << std::flush;
  int failures = 0;
  for (const DeviceChoice& device : SupportedDevices()) {
    for (const bool red : {false, true}) {
      ProgramSandbox sandbox(programDir, executable);
      MonkeyOptions options;
      options.seed = seed;
      options.steps = int(steps);
      options.device = device;
      options.redScreen = red;
      options.limits.stall = std::chrono::seconds(stallSeconds);
      options.limits.total = std::chrono::hours(12);
      const MonkeyReport report = RunMonkey(sandbox, options);
      std::cout << device.name << (red ? ", red  " : ", plain") << ": " << report.linesPlayed
                << " script lines in " << report.runs << " program runs, " << report.seconds << " s: "
                << (report.failure.empty() ? "passed" : "FAILED") << "\n";
      if (!report.failure.empty()) {
        std::cout << report.failure << "\n";
        ++failures;
      }
      std::cout << std::flush;
    }
  }
  return failures == 0 ? 0 : 1;
}
