#pragma once
// A fresh folder holding a copy of the staged program (executable, real
// catalogue, pages and skins) where one test may damage any file and run the
// program headless. Runs are guarded by a watchdog: a run whose progress file
// stops changing for too long, or that outlives its whole allowance, is killed
// and reported as hung instead of stalling the test suite.

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/FileText.h"

namespace vespera {

struct DeviceChoice {
  std::string name;  // for messages: "240x320 PocketPC"
  int width = 240;
  int height = 320;
  std::string platform = "PocketPC";
};

// The four devices the program supports.
const std::vector<DeviceChoice>& SupportedDevices();

struct RunLimits {
  // Longest time the progress file may stay unchanged (before the first
  // change: since the start).
  std::chrono::seconds stall{60};
  // Longest time for the whole run.
  std::chrono::seconds total{1800};
  // Watched for changes; empty watches nothing but the total.
  std::string progressFile;
};

struct SandboxRun {
  int exitStatus = -1;  // the status of a normal exit, or -1
  int signal = 0;       // the signal that ended the process, or 0
  bool hung = false;    // killed by the watchdog
  std::string errors;   // what the program wrote to standard error
  double seconds = 0;

  bool NormalExit() const { return !hung && signal == 0 && exitStatus == 0; }
  // One line that says how the run ended, for failure messages.
  std::string Summary() const;
};

class ProgramSandbox {
 public:
  // Copies the program folder; `executable` is placed in it as "vespera".
  ProgramSandbox(const std::filesystem::path& programDir, const std::filesystem::path& executable);
  ~ProgramSandbox();
  ProgramSandbox(const ProgramSandbox&) = delete;
  ProgramSandbox& operator=(const ProgramSandbox&) = delete;

  const std::filesystem::path& Folder() const { return folder_; }
  std::filesystem::path File(const std::string& name) const { return folder_ / name; }
  std::filesystem::path SettingsFile() const { return folder_ / "settings.ini"; }

  std::vector<unsigned char> ReadBytes(const std::string& name) const;
  void WriteBytes(const std::string& name, const std::vector<unsigned char>& bytes) const;
  void WriteText(const std::string& name, const std::string& text) const;

  // Plays `script` on `device`; "shot" and "dump" paths are relative to the
  // folder.
  SandboxRun Run(const std::string& script, const DeviceChoice& device, const RunLimits& limits = {}) const;

 private:
  std::filesystem::path folder_;
};

// Where the build staged the program, and the executable to test; the
// environment (VESPERA_PROGRAM_DIR, VESPERA_EXECUTABLE) may name others.
std::filesystem::path StagedProgramDir();
std::filesystem::path TestedExecutable();

// Reads the settings file back with the program's own store: "" when every
// line is understood and every main-window value is there, else what is wrong
// (a missing file, a line the store ignores, a value missing).
std::string SettingsProblem(const std::filesystem::path& file);

}  // namespace vespera
