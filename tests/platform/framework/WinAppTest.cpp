#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/framework/WinApp.h"
#include "tests/platform/windows/TestDesktop.h"

namespace {

namespace fs = std::filesystem;

struct WinAppFixture : ::testing::Test {
  WinAppFixture() {
    folder = fs::temp_directory_path() / ("vespera-winapp-" + std::to_string(::getpid()) + "-" +
                                          ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder);
    fs::create_directories(folder);
    setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
  }
  ~WinAppFixture() override { fs::remove_all(folder); }
  fs::path folder;
};

TEST_F(WinAppFixture, TheDefaultFileIsTheRegistryKeyAndTheApplicationNamedAfterTheExecutable) {
  CWinApp app;
  app.SetModulePath("/opt/device/vespera");
  EXPECT_EQ(app.AppName(), u"Vespera");
  app.SetRegistryKey(u"NocturnaMobile");
  EXPECT_EQ(app.ProfilePath(), (folder / "NocturnaMobile" / "Vespera.ini").string());
  EXPECT_TRUE(app.WriteProfileInt(u"Main", u"V_ZOOM", 146));
  std::ifstream written(folder / "NocturnaMobile" / "Vespera.ini");
  std::string text((std::istreambuf_iterator<char>(written)), {});
  EXPECT_EQ(text, "[Main]\nV_ZOOM=146\n");
}

TEST_F(WinAppFixture, AProgramGivenNameWinsOverTheExecutable) {
  CWinApp app(u"Sky");
  app.SetModulePath("/x/vespera.exe");
  EXPECT_EQ(app.AppName(), u"Sky");
}

TEST_F(WinAppFixture, TheProfileOptionChoosesTheFileAndValuesSurviveANewRun) {
  const std::string file = (folder / "chosen.ini").string();
  {
    CWinApp app;
    app.SetProfileFile(file);
    app.SetRegistryKey(u"NocturnaMobile");
    EXPECT_EQ(app.GetProfileInt(u"Main", u"V_RA1", 65535), 65535u);
    app.WriteProfileInt(u"Main", u"V_RA1", 66769);
    app.WriteProfileInt(u"SearchDlg", u"MatchCase", 0);
  }
  CWinApp again;
  again.SetProfileFile(file);
  EXPECT_EQ(again.GetProfileInt(u"Main", u"V_RA1", 65535), 66769u);
  EXPECT_EQ(again.GetProfileInt(u"SearchDlg", u"MatchCase", 1), 0u);
  EXPECT_FALSE(fs::exists(folder / "NocturnaMobile"));
}

TEST_F(WinAppFixture, UnreadableValuesGiveTheDefaultAndNegativeValuesKeepTheirBits) {
  const fs::path file = folder / "garbage.ini";
  std::ofstream(file) << "[Main]\nV_ZOOM=abc\nV_MAG=-4\n\x01\x02garbage\nConstellationLines=5\n";
  CWinApp app;
  app.SetProfileFile(file.string());
  EXPECT_EQ(app.GetProfileInt(u"Main", u"V_ZOOM", 100), 100u);
  EXPECT_EQ(app.GetProfileInt(u"Main", u"V_MAG", 400), 400u);
  EXPECT_EQ(app.GetProfileInt(u"Main", u"ConstellationLines", 1), 5u);
  app.WriteProfileInt(u"Main", u"V_DEC1", -1);
  EXPECT_EQ(app.GetProfileInt(u"Main", u"V_DEC1", 0), 0xFFFFFFFFu);
}

TEST_F(WinAppFixture, AWriteCutShortBeforeItsRenameLeavesTheOldSettings) {
  const fs::path file = folder / "settings.ini";
  std::ofstream(file) << "[Main]\nV_ZOOM=146\n";
  // What a crash between writing the temporary file and renaming it leaves.
  std::ofstream(file.string() + ".tmp") << "[Main]\nV_ZO";
  CWinApp app;
  app.SetProfileFile(file.string());
  EXPECT_EQ(app.GetProfileInt(u"Main", u"V_ZOOM", 100), 146u);
  EXPECT_TRUE(app.WriteProfileInt(u"Main", u"V_MAG", 400));
  CWinApp again;
  again.SetProfileFile(file.string());
  EXPECT_EQ(again.GetProfileInt(u"Main", u"V_ZOOM", 100), 146u);
  EXPECT_EQ(again.GetProfileInt(u"Main", u"V_MAG", 0), 400u);
}

class CountingApp : public CWinApp {
 public:
  BOOL InitInstance() override {
    seenAsRunning = AfxGetApp() == this;
    return FALSE;
  }
  int ExitInstance() override {
    ++exits;
    return CWinApp::ExitInstance();
  }
  bool seenAsRunning = false;
  int exits = 0;
};

TEST_F(WinAppFixture, RunApplicationMakesTheApplicationCurrentForTheRunOnly) {
  TestDesktop test;
  CountingApp app;
  EXPECT_EQ(RunApplication(app), 0);
  EXPECT_TRUE(app.seenAsRunning);
  EXPECT_EQ(app.exits, 1);
  EXPECT_EQ(AfxGetApp(), nullptr);
}

}  // namespace
