// What a user who starts the program from a terminal reads on standard error
// when a file is missing or damaged: one line naming the file and the reason,
// beside what the program itself does about it (the skin's message box, an
// empty catalogue). And the two options a terminal user tries first.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <regex>
#include <utility>

#include "tests/e2e/ProgramRun.h"
#include "tests/support/FileText.h"

using namespace vespera;

namespace {

std::string Line(const std::string& text) { return "vespera: " + text + "\n"; }

// A record in every table: an empty table is itself a damaged file.
CatalogueFixture OneOfEach() {
  CatalogueFixture sky;
  sky.stars = {MakeObjectRecord(10, 20, 3, "1alp And")};
  sky.starNames = {MakeNameRecord("1alp And", "Alpheratz")};
  sky.deepSky = {MakeObjectRecord(10.7f, 41.3f, 3.4f, "M 31")};
  sky.deepSkyNames = {MakeNameRecord("M 31", "Andromeda Galaxy")};
  sky.lineEnds = {MakeObjectRecord(10, 20, 0), MakeObjectRecord(11, 21, 0)};
  sky.labels = {MakeLabelRecord(10, 30, u"And", u"Andromeda")};
  return sky;
}

// A bitmap file of the given size and depth, all black.
std::string BitmapFile(int width, int height, int bitsPerPixel) {
  const int rowBytes = (width * bitsPerPixel / 8 + 3) / 4 * 4;
  std::string bytes(54 + std::size_t(rowBytes) * std::size_t(height), '\0');
  const auto put = [&bytes](std::size_t at, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes[at + std::size_t(i)] = char((value >> (8 * i)) & 0xFF);
  };
  bytes[0] = 'B';
  bytes[1] = 'M';
  put(2, std::uint32_t(bytes.size()), 4);
  put(10, 54, 4);
  put(14, 40, 4);
  put(18, std::uint32_t(width), 4);
  put(22, std::uint32_t(height), 4);
  put(26, 1, 2);
  put(28, std::uint32_t(bitsPerPixel), 2);
  return bytes;
}

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
  run.WriteCatalogue(OneOfEach());
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
  run.WriteCatalogue(OneOfEach());
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
  run.WriteCatalogue(OneOfEach());
  const RunResult result = run.Run("wait\n");
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.errors, "");
}

TEST(FailureReport, EachDamagedCatalogueFileIsNamedAndAFifoEndsLikeAMissingFile) {
  ProgramRun run;
  CatalogueFixture sky = OneOfEach();
  sky.stars.clear();  // a count of zero
  run.WriteCatalogue(sky);
  run.WriteFile("CNames.dat", ReadFileText(run.File("CNames.dat")) + "tail");
  run.RemoveFile("DeepSky.dat");
  ASSERT_EQ(::mkfifo(run.File("DeepSky.dat").c_str(), 0600), 0);
  const RunResult result = run.Run("wait\ndump state.json\n");
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.errors, Line(run.File("Stars.dat").string() + ": the file declares no records") +
                               Line(run.File("DeepSky.dat").string() + ": the file cannot be read") +
                               Line(run.File("CNames.dat").string() + ": 4 bytes follow the last record"));
  EXPECT_EQ(MainState(run.Dump("state.json")).at("dataLoaded"), 1);
}

TEST(FailureReport, ASkinThatDoesNotFitItsImagesIsNamedAndUsed) {
  const std::pair<std::string, std::string> cases[] = {
      {BitmapFile(100, 20, 24), "the skin bitmap is 100 x 20 pixels, smaller than the 163 x 26 its images need"},
      {BitmapFile(163, 26, 32), "the skin bitmap has 32 bits per pixel, not 24"},
  };
  for (const auto& [bytes, reason] : cases) {
    SCOPED_TRACE(reason);
    ProgramRun run;
    run.WriteCatalogue(OneOfEach());
    run.WriteFile("Icons240.bmp", bytes);
    const RunResult result = run.Run("wait\n");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.errors, Line(run.File("Icons240.bmp").string() + ": " + reason));
  }
}

TEST(FailureReport, SettingsThatCannotBeSavedAreNamedAndTheRunGoesOn) {
  ProgramRun run;
  run.WriteCatalogue(OneOfEach());
  std::filesystem::create_directory(run.File("settings.ini"));
  const RunResult result = run.Run("wait\ndump state.json\n");
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.errors, Line("settings.ini: not a regular file; the settings are not saved"));
  EXPECT_EQ(MainState(run.Dump("state.json")).at("dataLoaded"), 1);
  EXPECT_TRUE(std::filesystem::is_directory(run.File("settings.ini")));
}

TEST(FailureReport, AHugeSettingsFileIsReadToItsLimitAndSaid) {
  ProgramRun run;
  run.WriteCatalogue(OneOfEach());
  // A million keys, ten megabytes; the view's own entries come first.
  std::string text = "[Main]\nV_ZOOM=250\n";
  for (int i = 0; i < 1000000; ++i) {
    const std::string number = std::to_string(i);
    text += 'K';
    text += number;
    text += "=1\n";
  }
  run.WriteFile("settings.ini", text);
  const RunResult result = run.Run("wait\ndump state.json\n");
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.errors, Line("settings.ini: larger than 1 MiB; only the lines in its first 1 MiB are read"));
  EXPECT_EQ(MainState(run.Dump("state.json")).at("zoom"), 2.5);
}

TEST(FailureReport, AHugePageOpensWithItsStartAndIsSaid) {
  ProgramRun run;
  run.WriteCatalogue(OneOfEach());
  // A 16 MB paragraph in the page the window shows first.
  run.WriteFile("Messier.ini", "[0]\n<b>Messier</b>\n" + std::string(16u << 20, 'm') + "\n[1]\nCrab Nebula\n");
  const RunResult result = run.Run("wait\nkey RETURN\nkey M\nwait\ndump window.json\n");
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.errors,
            Line(run.File("Messier.ini").string() + ": the file is larger than 1 MiB; only its first 1 MiB are read"));
  const nlohmann::json dump = run.Dump("window.json");
  EXPECT_EQ(dump.at("windows").back().at("class"), "CObjectDataDlg") << "the window is not open";
}

TEST(FailureReport, WithoutALoaderThreadTheWindowLoadsTheCatalogueItself) {
  ProgramRun run;
  run.WriteCatalogue(OneOfEach());
  setenv("LD_PRELOAD", VESPERA_NO_THREADS_LIBRARY, 1);
  // The sanitizer's runtime would refuse to come second in the list.
  setenv("ASAN_OPTIONS", "verify_asan_link_order=0:detect_leaks=1:abort_on_error=1", 1);
  const RunResult result = run.Run("wait\ndump state.json\n");
  unsetenv("LD_PRELOAD");
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.errors,
            Line("the catalogue loader thread cannot be started; the data is loaded before the map is shown"));
  const nlohmann::json state = MainState(run.Dump("state.json"));
  EXPECT_EQ(state.at("dataLoaded"), 1);
  EXPECT_NE(state.at("statusText"), "Loading data...");
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
