#include "tests/robustness/ProgramSandbox.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "platform/runtime/ProfileStore.h"

extern char** environ;

namespace vespera {

namespace fs = std::filesystem;

namespace {

using Clock = std::chrono::steady_clock;

// The progress file's modification time, or nothing while it does not exist.
std::optional<timespec> ModificationTime(const std::string& path) {
  struct stat info {};
  if (path.empty() || ::stat(path.c_str(), &info) != 0) return std::nullopt;
  return info.st_mtim;
}

bool SameTime(const std::optional<timespec>& a, const std::optional<timespec>& b) {
  if (a.has_value() != b.has_value()) return false;
  return !a || (a->tv_sec == b->tv_sec && a->tv_nsec == b->tv_nsec);
}

// Spawns the program with its standard error going to `errorFile` and
// standard input and output to /dev/null.
pid_t Spawn(const std::vector<std::string>& arguments, const fs::path& folder, const fs::path& errorFile) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  // Relative paths of "shot" and "dump" are the folder's.
  posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, errorFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  pid_t pid = -1;
  const int error = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (error != 0) throw std::runtime_error("cannot start " + arguments[0]);
  return pid;
}

}  // namespace

const std::vector<DeviceChoice>& SupportedDevices() {
  static const std::vector<DeviceChoice> devices{
      {"240x320 PocketPC", 240, 320, "PocketPC"},
      {"240x320 Smartphone", 240, 320, "Smartphone"},
      {"176x220 Smartphone", 176, 220, "Smartphone"},
      {"480x640 PocketPC", 480, 640, "PocketPC"},
  };
  return devices;
}

std::string SandboxRun::Summary() const {
  std::ostringstream text;
  if (hung)
    text << "hung (killed by the watchdog)";
  else if (signal != 0)
    text << "ended by signal " << signal;
  else
    text << "exit status " << exitStatus;
  text << " after " << seconds << " s";
  if (!errors.empty()) text << "; standard error:\n" << errors;
  return text.str();
}

ProgramSandbox::ProgramSandbox(const fs::path& programDir, const fs::path& executable) {
  std::random_device seed;
  folder_ = fs::temp_directory_path() / ("vespera-robust-" + std::to_string(::getpid()) + "-" +
                                         std::to_string(seed()));
  fs::create_directories(folder_);
  for (const fs::directory_entry& entry : fs::directory_iterator(programDir))
    if (entry.is_regular_file() && entry.path().filename() != "vespera")
      fs::copy_file(entry.path(), folder_ / entry.path().filename());
  fs::copy_file(executable, folder_ / "vespera");
}

ProgramSandbox::~ProgramSandbox() {
  std::error_code ignored;
  fs::remove_all(folder_, ignored);
}

std::vector<unsigned char> ProgramSandbox::ReadBytes(const std::string& name) const {
  const std::string text = ReadFileText(File(name));
  return {text.begin(), text.end()};
}

void ProgramSandbox::WriteBytes(const std::string& name, const std::vector<unsigned char>& bytes) const {
  std::ofstream out(File(name), std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

void ProgramSandbox::WriteText(const std::string& name, const std::string& text) const {
  WriteBytes(name, {text.begin(), text.end()});
}

SandboxRun ProgramSandbox::Run(const std::string& script, const DeviceChoice& device,
                               const RunLimits& limits) const {
  WriteText("script.txt", script);
  const fs::path errorFile = File("stderr.txt");
  const std::vector<std::string> arguments{
      File("vespera").string(), "--headless",           "--script", File("script.txt").string(),
      "--profile",              SettingsFile().string(), "--screen",
      std::to_string(device.width) + "x" + std::to_string(device.height),
      "--platform",             device.platform};
  const pid_t pid = Spawn(arguments, folder_, errorFile);

  SandboxRun run;
  const Clock::time_point start = Clock::now();
  Clock::time_point lastProgress = start;
  std::optional<timespec> progressTime = ModificationTime(limits.progressFile);
  int status = 0;
  for (;;) {
    const pid_t done = ::waitpid(pid, &status, WNOHANG);
    if (done == pid) break;
    const Clock::time_point now = Clock::now();
    if (const auto seen = ModificationTime(limits.progressFile); !SameTime(seen, progressTime)) {
      progressTime = seen;
      lastProgress = now;
    }
    if (now - lastProgress > limits.stall || now - start > limits.total) {
      ::kill(pid, SIGKILL);
      ::waitpid(pid, &status, 0);
      run.hung = true;
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  run.seconds = std::chrono::duration<double>(Clock::now() - start).count();
  if (!run.hung) {
    if (WIFEXITED(status)) run.exitStatus = WEXITSTATUS(status);
    if (WIFSIGNALED(status)) run.signal = WTERMSIG(status);
  }
  run.errors = ReadFileText(errorFile);
  return run;
}

fs::path StagedProgramDir() {
  const char* dir = std::getenv("VESPERA_PROGRAM_DIR");
  return dir ? fs::path(dir) : fs::path(VESPERA_STAGED_PROGRAM_DIR);
}

fs::path TestedExecutable() {
  const char* executable = std::getenv("VESPERA_EXECUTABLE");
  return executable ? fs::path(executable) : fs::path(VESPERA_STAGED_EXECUTABLE);
}

std::string SettingsProblem(const fs::path& file) {
  if (!fs::exists(file)) return "the settings file " + file.string() + " is missing";
  const std::string text = ReadFileText(file);
  const ProfileStore store(file.string());
  // The program writes nothing but what its store serializes, so a file that
  // reads back completely serializes to itself.
  if (store.Serialize() != text) return "the settings file does not read back as written:\n" + text;
  static constexpr std::array kMainValues{"ConstellationLines", "ConstellationNames", "V_RA1", "V_DEC1",
                                          "V_ZOOM",             "V_MAG",              "RedScreenMode"};
  for (const char* name : kMainValues)
    if (!store.Find("Main", name)) return std::string("the settings file lacks Main/") + name + ":\n" + text;
  return {};
}

}  // namespace vespera
