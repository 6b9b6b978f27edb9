// The program ended while its catalogue loader is still at work. The star
// file is missing, and the loader's line about it on the debug output is held
// until the settings have been written, so the window surely goes while the
// loader waits: the loading state answers taps with nothing, the settings are
// all written, and the window's stores outlive the loader's last write.

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <mutex>
#include <ostream>
#include <streambuf>
#include <thread>

#include "app/SkyMapApp.h"
#include "platform/framework/StandardClasses.h"
#include "platform/windows/Desktop.h"
#include "platform/windows/VirtualKeys.h"
#include "platform/windows/WindowDump.h"
#include "tests/support/FileText.h"

using namespace vespera;

namespace fs = std::filesystem;

namespace {

bool HoldsAllSettings(const std::string& text) {
  for (const char* name : {"ConstellationLines=", "ConstellationNames=", "V_RA1=", "V_DEC1=", "V_ZOOM=", "V_MAG=",
                           "RedScreenMode="})
    if (text.find(name) == std::string::npos) return false;
  return true;
}

// Takes a dump, taps the map, takes another and presses Escape, all while
// loading; it never
// waits for the loader. Should the program not end, it quits with 1 once the
// loader is done, so a fault shows as a failure and not as a hang.
class EscapeWhileLoading final : public Backend {
 public:
  void WaitForInput(Desktop& desktop, std::optional<DWORD> /*deadline*/) override {
    MessageQueue& queue = desktop.Queue();
    const bool loading = queue.BackgroundWorkPending();
    switch (step_++) {
      case 0:
        loadingAtFirstLook = loading;
        firstDump = nlohmann::json::parse(DumpDesktop(desktop).ToJson());
        desktop.Input().StylusDown({120, 165});
        desktop.Input().StylusUp({120, 165});
        return;
      case 1:
        loadingAfterTap = loading;
        tapDump = nlohmann::json::parse(DumpDesktop(desktop).ToJson());
        desktop.Input().KeyDown(VK_ESCAPE);
        desktop.Input().KeyUp(VK_ESCAPE);
        return;
      default:
        if (loading) {
          queue.WaitForChange(queue.Generation());
          return;
        }
        desktop.Quit(1);
    }
  }
  void Wake() override {}
  void Present(const Surface&) override {}

  bool loadingAtFirstLook = false;
  bool loadingAfterTap = false;
  nlohmann::json firstDump;
  nlohmann::json tapDump;

 private:
  int step_ = 0;
};

nlohmann::json MainWindowState(const nlohmann::json& dump) {
  for (const auto& window : dump.at("windows"))
    if (window.at("class") == "CSkyMapDlg") return window.at("state");
  throw std::runtime_error("the dump holds no main window");
}

class Folder {
 public:
  Folder() {
    std::string pattern = (fs::temp_directory_path() / "vespera-app-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a scratch folder");
    path_ = pattern;
  }
  Folder(const Folder&) = delete;
  Folder& operator=(const Folder&) = delete;
  ~Folder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  const fs::path& Path() const { return path_; }

 private:
  fs::path path_;
};

// The debug output's stream: whoever writes to it (the loader, reporting the
// missing star file) is held until the settings file holds every value. Gives
// up waiting after a generous while, so a program that never ends still lets
// the loader finish.
class ReportGate final : public std::streambuf {
 public:
  explicit ReportGate(fs::path settings) : thread_([this, settings = std::move(settings)] { Run(settings); }) {}
  ReportGate(const ReportGate&) = delete;
  ReportGate& operator=(const ReportGate&) = delete;
  ~ReportGate() override {
    if (thread_.joinable()) thread_.join();
  }
  // True when the settings were all written while the loader still waited.
  bool Finish() {
    thread_.join();
    return settingsWhileLoading_;
  }

 protected:
  int_type overflow(int_type c) override {
    WaitForOpening();
    return traits_type::not_eof(c);
  }
  std::streamsize xsputn(const char*, std::streamsize count) override {
    WaitForOpening();
    return count;
  }

 private:
  static constexpr auto kPatience = std::chrono::seconds(30);

  void WaitForOpening() {
    std::unique_lock lock(mutex_);
    held_ = true;
    changed_.notify_all();
    changed_.wait(lock, [this] { return open_; });
  }

  void Run(const fs::path& settings) {
    std::unique_lock lock(mutex_);
    const bool loaderHeld = changed_.wait_for(lock, kPatience, [this] { return held_; });
    lock.unlock();
    bool written = false;
    for (int i = 0; loaderHeld && i < 3000 && !written; ++i) {
      written = HoldsAllSettings(ReadFileText(settings));
      if (!written) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    lock.lock();
    settingsWhileLoading_ = loaderHeld && written;
    open_ = true;
    changed_.notify_all();
  }

  std::mutex mutex_;
  std::condition_variable changed_;
  bool held_ = false;
  bool open_ = false;
  bool settingsWhileLoading_ = false;
  std::thread thread_;
};

TEST(EndWhileLoading, EscapeEndsTheProgramWithTheSettingsSavedAndTheLoaderAwaited) {
  Folder folder;
  for (const char* skin : {"Icons240.bmp", "Icons240r.bmp"})
    fs::copy_file(fs::path(VESPERA_PROGRAM_DIR) / skin, folder.Path() / skin);
  const fs::path settings = folder.Path() / "settings.ini";
  ReportGate gate(settings);
  std::ostream debugOutput(&gate);

  DeviceProfile device;
  device.width = 240;
  device.height = 320;
  device.modulePath = (folder.Path() / "vespera").string();
  VirtualClock clock;
  EscapeWhileLoading backend;
  int status = -1;
  {
    Desktop desktop(device, clock, backend);
    desktop.Debug().AttachTo(debugOutput);
    RegisterStandardWindowClasses(desktop);
    CSkyMapApp application;
    application.SetModulePath(device.modulePath);
    application.SetProfileFile(settings.string());
    status = RunApplication(application);
    EXPECT_EQ(desktop.QuitCode(), 0);  // Escape ended it, not the backend
  }
  EXPECT_TRUE(gate.Finish()) << "the settings were not all written while the loader waited";
  EXPECT_EQ(status, 0);

  ASSERT_TRUE(backend.loadingAtFirstLook);
  ASSERT_TRUE(backend.loadingAfterTap);
  const nlohmann::json first = MainWindowState(backend.firstDump);
  EXPECT_EQ(first.at("statusText"), "Loading data...");
  EXPECT_EQ(first.at("dataLoaded"), 0);
  // The caches are still empty: the tap finds nothing and reads no store.
  const nlohmann::json tapped = MainWindowState(backend.tapDump);
  EXPECT_EQ(tapped.at("statusText"), "No objects found at this position");
  EXPECT_EQ(tapped.at("hasSelection"), 0);
  EXPECT_EQ(tapped.at("dataLoaded"), 0);

  const std::string stored = ReadFileText(settings);
  EXPECT_TRUE(HoldsAllSettings(stored)) << stored;
  EXPECT_NE(stored.find("V_MAG=400"), std::string::npos) << stored;
}

}  // namespace
