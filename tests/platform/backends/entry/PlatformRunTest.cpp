#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <csignal>
#include <functional>
#include <iterator>
#include <utility>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "platform/backends/entry/PlatformMain.h"
#include "platform/framework/Framework.h"
#include "platform/gdi/ImageFiles.h"
#include "tests/platform/framework/TestControls.h"

namespace fs = std::filesystem;

// The demo dialog: a caption strip it paints itself, a text and two buttons.
// Outside any namespace, so that the dump names it "DemoDialog".
constexpr std::array kDemoControls{
    DialogControlTemplate{u"Static", 1007, u"Hello, sky", 8, 24, 100, 20, WS_VISIBLE},
    DialogControlTemplate{u"Button", IDOK, u"OK", 10, 60, 40, 14, WS_VISIBLE | WS_TABSTOP},
    DialogControlTemplate{u"Button", IDCANCEL, u"Cancel", 60, 60, 40, 14, WS_VISIBLE | WS_TABSTOP},
};
constexpr DialogTemplate kDemoTemplate{1, WS_VISIBLE, 0, 0, 0, 120, 90, u"Demo", u"System", 8, kDemoControls};

class DemoDialog : public CDialog {
 public:
  DemoDialog() : CDialog(kDemoTemplate) {}
  const MessageMap* GetMessageMap() const override {
    static const MessageMap map = MessageMapFor<DemoDialog>(CDialog::GetMessageMap())
                                      .OnPaint(&DemoDialog::OnPaint)
                                      .OnCommand(1015, &DemoDialog::OnAfterLoad)
                                      .OnDestroy(&DemoDialog::OnDestroy);
    return &map;
  }
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    if (startWorker) CreateThread(nullptr, 0, Worker, this, 0, nullptr);
    return TRUE;
  }
  void OnPaint() {
    CPaintDC dc(this);
    RECT strip{0, 0, 0, 26};
    GetClientRect(&strip);
    strip.bottom = 26;
    CBrush navy(RGB(0, 0, 128));
    dc.FillRect(&strip, &navy);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(255, 255, 255));
    RECT title = strip;
    title.left = 29;
    dc.DrawText(u"Demo", &title, DT_VCENTER | DT_SINGLELINE);
  }
  void OnAfterLoad() { SetWindowText(u"loaded"); }
  void OnDestroy() {
    AfxGetApp()->WriteProfileInt(u"Main", u"Closed", 1);
    CDialog::OnDestroy();
  }
  void DescribeState(DumpObject& state) const override { state.Set("startWorker", startWorker); }

  static DWORD Worker(void* self) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    ::PostMessage(static_cast<DemoDialog*>(self)->m_hWnd, WM_COMMAND, 1015, 0);
    return 0;
  }
  bool startWorker = false;
};

// Refuses to close: Escape does nothing.
class StubbornDialog : public DemoDialog {
 public:
  void OnCancel() override {}
};

namespace {

class DemoApp : public CWinApp {
 public:
  // The platform starts its lines on standard error with this name.
  ProgramDescription Describe() const override {
    ProgramDescription program;
    program.commandName = "demo";
    return program;
  }
  BOOL InitInstance() override {
    RegisterTestControls(*Desktop::Current());
    SetRegistryKey(u"NocturnaMobile");
    if (stubborn) {
      StubbornDialog dialog;
      m_pMainWnd = &dialog;
      result = dialog.DoModal();
    } else {
      DemoDialog dialog;
      dialog.startWorker = startWorker;
      m_pMainWnd = &dialog;
      result = dialog.DoModal();
    }
    return FALSE;
  }
  bool stubborn = false;
  bool startWorker = false;
  INT_PTR result = 0;
};

struct PlatformRun : ::testing::Test {
  PlatformRun() {
    folder = fs::temp_directory_path() / ("vespera-run-" + std::to_string(::getpid()) + "-" +
                                          ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder);
    fs::create_directories(folder);
  }
  ~PlatformRun() override { fs::remove_all(folder); }

  int Run(const std::string& script, std::vector<std::string> extra = {}) {
    const fs::path scriptFile = folder / "script.txt";
    std::ofstream(scriptFile) << script;
    std::vector<std::string> arguments{"--headless", "--screen", "240x320", "--script", scriptFile.string(),
                                       "--profile", (folder / "settings.ini").string()};
    arguments.insert(arguments.end(), extra.begin(), extra.end());
    std::istringstream in;
    return RunPlatform(arguments, app, {in, out, err});
  }
  std::string Read(const fs::path& file) {
    std::ifstream in(file);
    return std::string((std::istreambuf_iterator<char>(in)), {});
  }

  fs::path folder;
  DemoApp app;
  std::ostringstream out;
  std::ostringstream err;
};

TEST_F(PlatformRun, TheDemoDialogRendersToAPngAndDumps) {
  const fs::path shot = folder / "demo.png";
  const fs::path dump = folder / "demo.json";
  EXPECT_EQ(Run("wait\nshot " + shot.string() + "\ndump " + dump.string() + "\ntap 52 111\n"), 0) << err.str();
  EXPECT_EQ(app.result, IDOK);
  if (const char* keep = std::getenv("VESPERA_KEEP_DEMO_PNG")) fs::copy_file(shot, keep, fs::copy_options::overwrite_existing);

  const auto image = LoadImageFile(shot);
  ASSERT_TRUE(image);
  EXPECT_EQ(image->Width(), 240);
  EXPECT_EQ(image->Height(), 320);
  EXPECT_EQ(image->GetPixel(5, 5), RGB(0, 0, 128));        // the caption strip
  EXPECT_EQ(image->GetPixel(100, 30), RGB(255, 255, 255));  // the dialog's background
  EXPECT_EQ(image->GetPixel(230, 310), RGB(0, 0, 0));       // the screen beyond the dialog
  EXPECT_EQ(image->GetPixel(20, 101), GetSysColor(COLOR_BTNFACE));  // the OK button

  const std::string json = Read(dump);
  EXPECT_NE(json.find("\"class\": \"DemoDialog\""), std::string::npos) << json;
  EXPECT_NE(json.find("\"platform\": \"PocketPC\""), std::string::npos);
  EXPECT_NE(json.find("\"text\": \"Hello, sky\""), std::string::npos);
  EXPECT_NE(json.find("\"rect\": [\n            18,\n            98,\n            88,\n            120\n"),
            std::string::npos);
  EXPECT_NE(json.find("\"startWorker\": false"), std::string::npos);
  EXPECT_NE(Read(folder / "settings.ini").find("Closed=1"), std::string::npos);
}

TEST_F(PlatformRun, WaitWaitsForBackgroundWorkAndItsPostedCommand) {
  app.startWorker = true;
  const fs::path dump = folder / "after.json";
  EXPECT_EQ(Run("wait\ndump " + dump.string() + "\n"), 0) << err.str();
  EXPECT_NE(Read(dump).find("\"text\": \"loaded\""), std::string::npos);
}

TEST_F(PlatformRun, SleepMovesTheClockAndNothingElseDoes) {
  const fs::path first = folder / "first.json";
  const fs::path second = folder / "second.json";
  EXPECT_EQ(Run("tap 1 1\ndump " + first.string() + "\nsleep 1500\ndump " + second.string() + "\n"), 0);
  EXPECT_NE(Read(first).find("\"tick\": 0"), std::string::npos);
  EXPECT_NE(Read(second).find("\"tick\": 1500"), std::string::npos);
}

TEST_F(PlatformRun, AtTheEndEscapeIsPressedUntilTheProgramEnds) {
  EXPECT_EQ(Run("wait\n"), 0) << err.str();
  EXPECT_EQ(app.result, IDCANCEL);
  EXPECT_TRUE(err.str().empty()) << err.str();
}

TEST_F(PlatformRun, AProgramThatWillNotEndFailsAfterTenPresses) {
  app.stubborn = true;
  EXPECT_EQ(Run(""), 1);
  EXPECT_NE(err.str().find("did not end after 10 presses of Escape"), std::string::npos) << err.str();
  EXPECT_EQ(app.result, -1);
}

TEST_F(PlatformRun, AScriptErrorStopsTheRunBeforeTheProgramStarts) {
  EXPECT_EQ(Run("wait\njump 3\ntap 1 999\n"), 2);
  const std::string script = (folder / "script.txt").string();
  EXPECT_EQ(err.str(), script + ":2: unknown command \"jump\"\n" + script +
                           ":3: tap: point (1, 999) lies outside the 240x320 screen\n");
  EXPECT_EQ(app.result, 0);
}

TEST_F(PlatformRun, BadOptionsAndAMissingScriptGiveStatusTwo) {
  EXPECT_EQ(Run("", {"--depth", "8"}), 2);
  EXPECT_NE(err.str().find("--depth: expected 16 or 32"), std::string::npos);
  std::istringstream in;
  EXPECT_EQ(RunPlatform({"--headless", "--script", (folder / "none.txt").string()}, app, {in, out, err}), 2);
  EXPECT_EQ(RunPlatform({"--screen", "240x320", "--script", "x.txt"}, app, {in, out, err}), 2);
  EXPECT_NE(err.str().find("--script is played only in --headless runs"), std::string::npos);
  EXPECT_EQ(RunPlatform({"--help"}, app, {in, out, err}), 0);
  EXPECT_NE(out.str().find("--headless"), std::string::npos);
}

TEST_F(PlatformRun, AScreenshotThatCannotBeWrittenFailsTheRun) {
  EXPECT_EQ(Run("shot " + (folder / "missing" / "x.png").string() + "\n"), 1);
  EXPECT_NE(err.str().find("script.txt:1: cannot write the screenshot"), std::string::npos) << err.str();
}

TEST_F(PlatformRun, LinesLeftWhenTheProgramEndsAreReported) {
  EXPECT_EQ(Run("key ESCAPE\nwait\n"), 0);
  EXPECT_NE(err.str().find("script.txt:1: the program ended before this line"), std::string::npos) << err.str();
}

TEST_F(PlatformRun, AFolderAsTheScriptGivesStatusTwo) {
  std::istringstream in;
  EXPECT_EQ(RunPlatform({"--headless", "--script", folder.string(), "--screen", "240x320"}, app, {in, out, err}), 2);
  EXPECT_EQ(err.str(), "demo: cannot read the script " + folder.string() + ": it is a folder\n");
}

TEST_F(PlatformRun, AShotThatCannotBeWrittenLeavesTheFileThatWasThere) {
  const fs::path shot = folder / "old.png";
  std::ofstream(shot) << "the old shot";
  // A file size limit fails the write as a full disk does.
  rlimit saved{};
  ::getrlimit(RLIMIT_FSIZE, &saved);
  rlimit tiny = saved;
  tiny.rlim_cur = 64;
  std::signal(SIGXFSZ, SIG_IGN);
  const fs::path scriptFile = folder / "shot.txt";
  std::ofstream(scriptFile) << "shot " << shot.string() << "\n";
  std::istringstream in;
  ::setrlimit(RLIMIT_FSIZE, &tiny);
  const int status = RunPlatform({"--headless", "--screen", "240x320", "--script", scriptFile.string()}, app, {in, out, err});
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, SIG_DFL);
  EXPECT_EQ(status, 1);
  EXPECT_EQ(Read(shot), "the old shot");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 2) << "a temporary file stayed";
}

// Serves generated text a block at a time, as a pipe does: `lines` lines of
// `line`, then `tail` (or, with lines < 0, `line` for ever).
class GeneratedInput : public std::streambuf {
 public:
  GeneratedInput(std::string head, std::string line, long long lines)
      : head_(std::move(head)), line_(std::move(line)), lines_(lines) {}

 protected:
  int_type underflow() override {
    if (!head_.empty()) {
      block_ = std::exchange(head_, std::string());
    } else if (lines_ != 0) {
      block_.clear();
      while (block_.size() < 65536 && lines_ != 0) {
        block_ += line_;
        if (lines_ > 0) --lines_;
      }
    } else {
      return traits_type::eof();
    }
    setg(block_.data(), block_.data(), block_.data() + block_.size());
    return traits_type::to_int_type(block_[0]);
  }

 private:
  std::string head_;
  std::string line_;
  long long lines_;
  std::string block_;
};

// Runs `run` in a child process whose address space may grow only by
// `extraBytes` from where it is, and answers its exit status (-1: killed by a
// signal, as an abort on a failed allocation is).
int StatusInBoundedChild(std::size_t extraBytes, const std::function<int()>& run) {
  const pid_t child = ::fork();
  if (child == 0) {
#if !defined(__SANITIZE_ADDRESS__)
    // The sanitizer's shadow memory would not fit in any such bound.
    long pages = 0;
    std::ifstream("/proc/self/statm") >> pages;
    const rlim_t now = rlim_t(pages) * rlim_t(::sysconf(_SC_PAGESIZE));
    const rlimit bound{now + extraBytes, now + extraBytes};
    ::setrlimit(RLIMIT_AS, &bound);
#else
    (void)extraBytes;
#endif
    ::_exit(run());
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(PlatformRun, AScriptPlaysAsItIsReadInBoundedMemory) {
  constexpr std::size_t kBound = 128u << 20;
  // 200 MB of comments and waits: more than the bound the run may take.
  const std::string comment = "# " + std::string(4000, 'x') + "\n";
  EXPECT_EQ(StatusInBoundedChild(kBound, [&] {
              GeneratedInput generated("", comment + "wait\n", 50000);
              std::istream in(&generated);
              std::ostringstream childErr;
              return RunPlatform({"--headless", "--script", "-", "--screen", "240x320"}, app, {in, out, childErr});
            }),
            0);
  // An endless pipe: the run ends where its script ends the program, and the
  // line after that is reported.
  EXPECT_EQ(StatusInBoundedChild(kBound, [&] {
              GeneratedInput generated("key RETURN\n", "wait\n", -1);
              std::istream in(&generated);
              std::ostringstream childErr;
              const int status = RunPlatform({"--headless", "--script", "-", "--screen", "240x320"}, app, {in, out, childErr});
              const bool reported = childErr.str() == "demo: <stdin>:1: the program ended before this line; the rest of the script was not played\n";
              return status == 0 && reported ? 0 : 3;
            }),
            0);
}

TEST_F(PlatformRun, TheScriptCanComeFromStandardInput) {
  std::istringstream in("key RETURN\n");
  EXPECT_EQ(RunPlatform({"--headless", "--script", "-", "--screen", "240x320"}, app, {in, out, err}), 0);
  EXPECT_EQ(app.result, IDOK);
}

}  // namespace
