// What a user who starts the program from a terminal reads on standard error
// when a file is missing or damaged: one line naming the file and the reason,
// beside what the program itself does about it (the skin's message box, an
// empty catalogue). And the two options a terminal user tries first.

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <regex>

#include "tests/e2e/ProgramRun.h"

using namespace vespera;

namespace {

std::string Line(const std::string& text) { return "vespera: " + text + "\n"; }

struct SkinCase {
  Device device;
  std::string file;
  std::optional<std::string> bytes;  // none: the file is missing
  std::string reason;
};

TEST(FailureReport, ASkinThatCannotBeLoadedIsNamedOnStandardErrorBesideItsMessageBox) {
  const SkinCase cases[] = {
      {kPocketPc, "Icons240.bmp", std::nullopt, "the file is missing or not a regular file"},
      {kWidePocketPc, "Icons480.bmp", std::string(64, 'Z'), "BMP file does not start with \"BM\""},
  };
  for (const SkinCase& c : cases) {
    SCOPED_TRACE(c.file);
    ProgramRun run;
    if (c.bytes)
      run.WriteFile(c.file, *c.bytes);
    else
      run.RemoveFile(c.file);
    const RunResult result = run.Run("dump box.json\n", c.device);
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.errors, Line(run.File(c.file).string() + ": " + c.reason));
    const auto dump = run.Dump("box.json");
    const auto& box = dump.at("windows").at(0);
    EXPECT_EQ(box.at("class"), "MessageBox");
    EXPECT_EQ(box.at("text"), "Cannot load skin file " + run.File(c.file).string());
  }
}

TEST(FailureReport, AMissingCatalogueFileIsNamedAndTheMapRunsOnWithoutIt) {
  ProgramRun run;
  run.RemoveFile("DeepSky.dat");
  const RunResult result = run.Run("wait\ndump state.json\n");
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.errors, Line(run.File("DeepSky.dat").string() + ": the file cannot be opened"));
  const auto dump = run.Dump("state.json");
  EXPECT_EQ(MainState(dump).at("dataLoaded"), 1);
  EXPECT_EQ(dump.at("windows").size(), 1u) << "no message box for a catalogue file";
}

TEST(FailureReport, AMissingPageFileIsNamedWhenItsWindowOpensAndThePageSaysWhatIsMissing) {
  ProgramRun run;  // the folder holds no page files
  const RunResult result = run.Run("wait\nkey RETURN\nkey P\ndump help.json\nkey RETURN\n"
                                   "key RETURN\nkey C\ndump caldwell.json\n");
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.errors, Line(run.File("Help.ini").string() + ": the file cannot be opened") +
                               Line(run.File("Caldwell.ini").string() + ": the file cannot be opened"));
  EXPECT_EQ(TopWindowOfClass(run.Dump("help.json"), "CHelpDlg")->at("state").at("title"), "Help");
  EXPECT_NE(TopWindowOfClass(run.Dump("caldwell.json"), "CObjectDataDlg"), nullptr);
}

TEST(FailureReport, ACompleteProgramFolderSaysNothing) {
  ProgramRun run;
  const RunResult result = run.Run("wait\n");
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.errors, "");
}

TEST(FailureReport, WithoutADisplayTheProgramEndsAtOnceWithOneLineNamingHeadless) {
  unsetenv("DISPLAY");
  unsetenv("WAYLAND_DISPLAY");
  unsetenv("SDL_VIDEODRIVER");
  // SDL starts and stops its video layer here; what the system's libraries
  // keep until exit is theirs, as in the window tests, so the sanitizer
  // build's leak check stays out of this one run.
  setenv("ASAN_OPTIONS", "detect_leaks=0:abort_on_error=1", 1);
  ProgramRun run;
  const RunResult result = run.RunCommand("--screen 240x320 --profile settings.ini");
  EXPECT_EQ(result.status, 1);
  EXPECT_TRUE(std::regex_match(result.errors, std::regex("vespera: [^\n]*display[^\n]*--headless[^\n]*\n")))
      << result.errors;
  EXPECT_FALSE(run.SettingsFileExists()) << "the program ran";
}

TEST(FailureReport, VersionAndShortHelpAnswerOnStandardOutput) {
  ProgramRun run;
  const RunResult version = run.RunCommand("--version");
  EXPECT_EQ(version.status, 0);
  EXPECT_TRUE(std::regex_match(version.output, std::regex("Vespera [0-9]+\\.[0-9]+\\.[0-9]+\n"))) << version.output;
  EXPECT_EQ(version.errors, "");

  const RunResult shortHelp = run.RunCommand("-h");
  const RunResult longHelp = run.RunCommand("--help");
  EXPECT_EQ(shortHelp.status, 0);
  EXPECT_NE(shortHelp.output.find("--version"), std::string::npos);
  EXPECT_EQ(shortHelp.output, longHelp.output);

  const RunResult unknown = run.RunCommand("-x");
  EXPECT_EQ(unknown.status, 2);
  EXPECT_EQ(unknown.output, "");
}

}  // namespace
