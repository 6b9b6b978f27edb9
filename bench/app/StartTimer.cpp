// Times the program from outside: process start to the first full map, and
// the peak resident memory of the run. The program runs headless in its
// staged folder with a script that waits until the catalogue is loaded and
// the first map is drawn ("wait" returns only once the loader's completion
// command has been handled) and then dumps the window tree to standard
// output; the first byte of that dump marks the moment.
//
//   vespera_start_timer [--runs N] [--screen WxH] [--executable FILE]
//
// Prints the median, the fastest and the slowest start in milliseconds, and
// the largest peak resident set in megabytes.

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

extern char** environ;

namespace vespera {
namespace {

struct StartRun {
  double milliseconds = 0;
  double peakMegabytes = 0;
  bool mapShown = false;
  int status = -1;
};

StartRun TimeOneStart(const std::string& executable, const std::string& screen, const std::string& folder) {
  const std::string script = folder + "/start.txt";
  std::ofstream(script) << "wait\ndump /dev/stdout\n";
  const std::string profile = folder + "/settings.ini";
  std::filesystem::remove(profile);

  int out[2];
  if (::pipe(out) != 0) return {};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], 1);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  std::vector<std::string> arguments{executable, "--headless", "--script", script,
                                     "--profile", profile,     "--screen", screen};
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);

  StartRun run;
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = -1;
  const int error = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  ::close(out[1]);
  if (error != 0) {
    ::close(out[0]);
    return run;
  }
  std::string dump;
  char buffer[65536];
  for (ssize_t got; (got = ::read(out[0], buffer, sizeof buffer)) > 0;) {
    if (dump.empty())
      run.milliseconds = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    dump.append(buffer, std::size_t(got));
  }
  ::close(out[0]);
  int status = 0;
  rusage usage{};
  ::wait4(pid, &status, 0, &usage);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.peakMegabytes = double(usage.ru_maxrss) / 1024.0;
  run.mapShown = dump.find("\"dataLoaded\": 1") != std::string::npos ||
                 dump.find("\"dataLoaded\":1") != std::string::npos;
  return run;
}

}  // namespace
}  // namespace vespera

using namespace vespera;

int main(int argc, char** argv) {
  int runs = 21;
  std::string screen = "480x640";
  std::string executable = VESPERA_STAGED_EXECUTABLE;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string name = argv[i], value = argv[i + 1];
    if (name == "--runs")
      runs = std::max(1, std::atoi(value.c_str()));
    else if (name == "--screen")
      screen = value;
    else if (name == "--executable")
      executable = value;
    else {
      std::cerr << "vespera_start_timer: unknown option " << name << "\n";
      return 2;
    }
  }
  char folderTemplate[] = "/tmp/vespera-start-XXXXXX";
  const char* folder = ::mkdtemp(folderTemplate);
  if (!folder) return 1;

  std::vector<double> times;
  double peak = 0;
  for (int i = 0; i < runs; ++i) {
    const StartRun run = TimeOneStart(executable, screen, folder);
    if (run.status != 0 || !run.mapShown) {
      std::cerr << "vespera_start_timer: run " << i + 1 << " did not show the map (status " << run.status << ")\n";
      std::filesystem::remove_all(folder);
      return 1;
    }
    times.push_back(run.milliseconds);
    peak = std::max(peak, run.peakMegabytes);
  }
  std::filesystem::remove_all(folder);
  std::sort(times.begin(), times.end());
  std::printf("start to first map, %s, %d runs: median %.1f ms (fastest %.1f, slowest %.1f)\n", screen.c_str(), runs,
              times[times.size() / 2], times.front(), times.back());
  std::printf("peak resident memory, %s: %.1f MB\n", screen.c_str(), peak);
  return 0;
}
