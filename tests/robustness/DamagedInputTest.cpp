// Damaged files end to end: the real program over the real catalogue, pages
// and skins with one file damaged at a time. Whatever the damage, the program
// starts, shows what it can, takes input and ends normally.

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <limits>
#include <nlohmann/json.hpp>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "catalog/CatalogLoader.h"
#include "catalog/SkyRecords.h"
#include "platform/gdi/BmpDecoder.h"
#include "tests/robustness/ProgramSandbox.h"

using namespace vespera;

namespace {

const DeviceChoice& Wide() { return SupportedDevices()[3]; }
const DeviceChoice& Pocket() { return SupportedDevices()[0]; }

enum class RedSkin { kLoads, kFails };

// A dump the script takes, and the windows it must show, bottom first: each
// step proves that the window it meant to open (or close) is the one the
// next keys reach.
struct Checkpoint {
  std::string dump;
  std::vector<std::string> windows;
};

struct Exercise {
  std::string script;
  std::vector<Checkpoint> checkpoints;
};

// Looks at the map, picks objects, moves and zooms through the menu, turns
// red-screen mode on (loading the red skin), then opens every secondary
// window the menu offers, uses it and leaves it with Escape.
Exercise ExerciseScript(const DeviceChoice& device, RedSkin redSkin) {
  const std::string map = "CSkyMapDlg";
  Exercise exercise;
  std::string& script = exercise.script;
  const auto check = [&](const std::string& name, std::vector<std::string> windows) {
    script += "dump " + name + ".json\n";
    exercise.checkpoints.push_back({name, std::move(windows)});
  };
  const int cx = device.width / 2, cy = device.height / 2;
  script += "wait\n";
  check("start", {map});
  script += "shot start.png\n";
  for (const auto& [dx, dy] : {std::pair{0, 0}, {10, 10}, {-30, 20}, {40, -40}})
    script += "tap " + std::to_string(cx + dx) + " " + std::to_string(cy + dy) + "\n";
  script += "key UP\nkey LEFT\n";
  check("moved", {map});
  script += "key RETURN\n";
  check("menu", {map, "Menu"});
  script += "key Z\n";
  check("zoom-menu", {map, "Menu", "Menu"});
  script += "key 8\n";
  check("zoomed", {map});
  script += "key RETURN\nkey R\n";
  if (redSkin == RedSkin::kFails) {
    check("red-skin-refused", {map, "MessageBox"});
    script += "key RETURN\n";
  }
  check("red", {map});
  const std::pair<char, const char*> kWindows[] = {
      {'S', "CSearchDlg"}, {'M', "CObjectDataDlg"}, {'C', "CObjectDataDlg"}, {'P', "CHelpDlg"}, {'A', "CAboutDlg"}};
  for (const auto& [key, window] : kWindows) {
    const std::string name(1, key);
    script += std::string("key RETURN\nkey ") + key + "\nwait\n";
    check("open-" + name, {map, window});
    script += "type a\nkey DOWN\n";
    check("used-" + name, {map, window});
    script += "key ESCAPE\n";
    check("closed-" + name, {map});
  }
  return exercise;
}
nlohmann::json ReadJson(const ProgramSandbox& sandbox, const std::string& name) {
  const std::string text = ReadFileText(sandbox.File(name));
  return nlohmann::json::parse(text, nullptr, false);
}

const nlohmann::json* WindowOfClass(const nlohmann::json& dump, const std::string& className) {
  if (!dump.is_object() || !dump.contains("windows")) return nullptr;
  for (const nlohmann::json& window : dump["windows"])
    if (window.value("class", "") == className) return &window;
  return nullptr;
}

std::vector<std::string> WindowClasses(const nlohmann::json& dump) {
  std::vector<std::string> classes;
  if (dump.is_object() && dump.contains("windows"))
    for (const nlohmann::json& window : dump["windows"]) classes.push_back(window.value("class", ""));
  return classes;
}

// Runs the exercise and checks the run ended normally after showing the
// loaded map, with each window open where the script meant it to be.
void ExpectNormalRun(const ProgramSandbox& sandbox, const DeviceChoice& device, RedSkin redSkin = RedSkin::kLoads) {
  const Exercise exercise = ExerciseScript(device, redSkin);
  const SandboxRun run = sandbox.Run(exercise.script, device);
  EXPECT_TRUE(run.NormalExit()) << run.Summary();
  const nlohmann::json start = ReadJson(sandbox, "start.json");
  const nlohmann::json* main = WindowOfClass(start, "CSkyMapDlg");
  ASSERT_NE(main, nullptr) << "no main window in the first dump";
  EXPECT_EQ((*main)["state"]["dataLoaded"], 1);
  EXPECT_NE((*main)["state"]["statusText"], "Loading data...");
  EXPECT_GT(ReadFileText(sandbox.File("start.png")).size(), 8u) << "no screenshot";
  for (const Checkpoint& checkpoint : exercise.checkpoints)
    EXPECT_EQ(WindowClasses(ReadJson(sandbox, checkpoint.dump + ".json")), checkpoint.windows)
        << "at " << checkpoint.dump;
  EXPECT_EQ(SettingsProblem(sandbox.SettingsFile()), "");
}

// --- catalogue files ----------------------------------------------------------

struct CatalogueFile {
  const char* name;
  std::size_t recordSize;
};

constexpr CatalogueFile kCatalogueFiles[] = {
    {kStarsFile, SkyObjectRecord::kSize},
    {kStarNamesFile, ObjectNameRecord::kSize},
    {kDeepSkyFile, SkyObjectRecord::kSize},
    {kDeepSkyNamesFile, ObjectNameRecord::kSize},
    {kConstellationLinesFile, SkyObjectRecord::kSize},
    {kConstellationNamesFile, ConstellationLabel::kSize},
};

void PutFloat(std::vector<unsigned char>& bytes, std::size_t at, float value) {
  std::memcpy(bytes.data() + at, &value, sizeof value);
}

void PutCount(std::vector<unsigned char>& bytes, std::uint32_t count) {
  std::memcpy(bytes.data(), &count, sizeof count);
}

// Coordinates and magnitudes that no sky holds, cycled over the records.
constexpr float kInfinity = std::numeric_limits<float>::infinity();
const float kAbsurdValues[] = {std::numeric_limits<float>::quiet_NaN(), kInfinity, -kInfinity, 3.0e38f, -3.0e38f,
                               -std::numeric_limits<float>::quiet_NaN()};

void MakeCoordinatesAbsurd(std::vector<unsigned char>& bytes, const CatalogueFile& file) {
  // Record fields: objects hold ra, dec, magnitude at 0, 4, 8; labels ra and
  // dec after their two names.
  const bool label = file.recordSize == ConstellationLabel::kSize;
  const std::size_t ra = label ? 58 : 0, dec = ra + 4;
  std::size_t n = 0;
  for (std::size_t at = 4; at + file.recordSize <= bytes.size(); at += file.recordSize, ++n) {
    if (n % 3 != 0) continue;
    const float value = kAbsurdValues[(n / 3) % std::size(kAbsurdValues)];
    PutFloat(bytes, at + (n % 2 ? ra : dec), value);
    if (n % 9 == 0) PutFloat(bytes, at + ra, value);
    if (!label && n % 6 == 0) PutFloat(bytes, at + 8, value);
  }
}

void LeaveTextsUnterminated(std::vector<unsigned char>& bytes, const CatalogueFile& file) {
  for (std::size_t at = 4; at + file.recordSize <= bytes.size(); at += file.recordSize) {
    if (file.recordSize == SkyObjectRecord::kSize) {
      std::memset(bytes.data() + at + SkyObjectLayout::kDesignation, 'X', kDesignationBytes);
    } else if (file.recordSize == ObjectNameRecord::kSize) {
      std::memset(bytes.data() + at, 0xE9, kDesignationBytes + kNameBytes);
    } else {
      // Both UTF-16 names filled to the end of their fields with 'W'.
      for (std::size_t unit = 0; unit < kShortNameUnits + kFullNameUnits; ++unit) {
        bytes[at + 2 * unit] = 'W';
        bytes[at + 2 * unit + 1] = 0;
      }
    }
  }
}

struct CatalogueDamage {
  const char* name;
  std::function<void(std::vector<unsigned char>&, const CatalogueFile&)> apply;
  const char* loadReason;  // what the loader answers; null when the file still reads whole
};

constexpr const char* kCountPastTheEnd = "the record count runs past the end of the file";

const CatalogueDamage kCatalogueDamages[] = {
    {"TruncatedMidRecord",
     [](std::vector<unsigned char>& bytes, const CatalogueFile& file) {
       bytes.resize(4 + (bytes.size() - 4) / file.recordSize / 2 * file.recordSize + file.recordSize / 2);
     },
     kCountPastTheEnd},
    {"TruncatedInsideTheCount", [](std::vector<unsigned char>& bytes, const CatalogueFile&) { bytes.resize(2); },
     "the file ends inside its record count"},
    {"HugeCount", [](std::vector<unsigned char>& bytes, const CatalogueFile&) { PutCount(bytes, 0xFFFFFFFFu); },
     kCountPastTheEnd},
    {"CountBeyondTheRecords",
     [](std::vector<unsigned char>& bytes, const CatalogueFile& file) {
       PutCount(bytes, std::uint32_t((bytes.size() - 4) / file.recordSize + 1000));
     },
     kCountPastTheEnd},
    {"ZeroCount", [](std::vector<unsigned char>& bytes, const CatalogueFile&) { PutCount(bytes, 0); },
     "the file declares no records"},
    {"BytesAfterTheRecords",
     [](std::vector<unsigned char>& bytes, const CatalogueFile&) { bytes.insert(bytes.end(), 5, 0xAB); },
     "5 bytes follow the last record"},
    {"NanAndInfiniteCoordinates", MakeCoordinatesAbsurd, nullptr},
    {"UnterminatedTexts", LeaveTextsUnterminated, nullptr},
};

// The loader's own answer for the damaged file, read in this process.
Expected<void> LoadInProcess(const std::string& path, const CatalogueFile& file) {
  CatalogStore store;
  if (file.recordSize == SkyObjectRecord::kSize) return store.LoadObjects(path);
  if (file.recordSize == ObjectNameRecord::kSize) return store.LoadNames(path);
  return store.LoadLabels(path);
}

// Failure messages name the file and the damage rather than their bytes.
void PrintTo(const CatalogueFile& file, std::ostream* out) { *out << file.name; }
void PrintTo(const CatalogueDamage& damage, std::ostream* out) { *out << damage.name; }

class DamagedCatalogueTest
    : public ::testing::TestWithParam<std::tuple<CatalogueFile, CatalogueDamage>> {};

TEST_P(DamagedCatalogueTest, ProgramShowsTheRestAndEndsNormally) {
  const auto& [file, damage] = GetParam();
  ProgramSandbox sandbox(StagedProgramDir(), TestedExecutable());
  std::vector<unsigned char> bytes = sandbox.ReadBytes(file.name);
  ASSERT_GT(bytes.size(), 4 + file.recordSize) << file.name << " is not staged";
  damage.apply(bytes, file);
  sandbox.WriteBytes(file.name, bytes);
  const Expected<void> loaded = LoadInProcess(sandbox.File(file.name).string(), file);
  if (damage.loadReason) {
    ASSERT_FALSE(loaded);
    EXPECT_EQ(loaded.reason(), damage.loadReason);
  } else {
    EXPECT_TRUE(loaded) << loaded.reason();
  }
  ExpectNormalRun(sandbox, Wide());
}

INSTANTIATE_TEST_SUITE_P(
    EachFile, DamagedCatalogueTest,
    ::testing::Combine(::testing::ValuesIn(kCatalogueFiles), ::testing::ValuesIn(kCatalogueDamages)),
    [](const auto& info) {
      std::string name = std::get<0>(info.param).name;
      name = name.substr(0, name.find('.'));
      return name + "_" + std::get<1>(info.param).name;
    });

// --- information pages ------------------------------------------------------

std::string Garbage(std::size_t size, unsigned seed) {
  std::mt19937 random(seed);
  std::string text(size, '\0');
  for (char& c : text) c = char(random() & 0xFF);
  return text;
}

constexpr std::size_t kMegabyte = 1 << 20;

TEST(DamagedPagesTest, BinaryGarbageAndMegabyteLinesInEveryPageFile) {
  const std::string longLine(kMegabyte, 'x');
  const std::vector<std::pair<const char*, std::string>> damages{
      {"binary garbage", Garbage(256 * 1024, 1)},
      {"a megabyte body line", "[Main]\n" + longLine + "\n[0]\n" + longLine + "\n[1]\n<b>" + longLine + "</b>\n"},
      {"a megabyte header line", "[" + longLine + "\nbody\n[0" + longLine + "]\nbody\n"},
      {"a megabyte line without a line end", "[1]\n" + Garbage(kMegabyte, 2)},
  };
  for (const auto& [what, text] : damages) {
    SCOPED_TRACE(what);
    ProgramSandbox sandbox(StagedProgramDir(), TestedExecutable());
    for (const char* page : {"Messier.ini", "Caldwell.ini", "Help.ini"}) sandbox.WriteText(page, text);
    ExpectNormalRun(sandbox, Pocket());
  }
}

// --- skins --------------------------------------------------------------------

// Bitmap header fields: width and height (signed 32-bit) at 18 and 22, bits
// per pixel at 28.
void PutInt32(std::vector<unsigned char>& bytes, std::size_t at, std::int32_t value) {
  std::memcpy(bytes.data() + at, &value, sizeof value);
}

struct SkinDamage {
  const char* what;
  std::function<void(std::vector<unsigned char>&)> apply;
  const char* decodeReason;  // what the decoder answers for the damaged file
};

const std::vector<SkinDamage>& SkinDamages() {
  static const char* const kSize = "BMP size is not positive or beyond the surface limits";
  static const std::vector<SkinDamage> damages{
      {"truncated to half", [](auto& bytes) { bytes.resize(bytes.size() / 2); },
       "BMP pixel data runs past the end of the file"},
      {"truncated inside the header", [](auto& bytes) { bytes.resize(20); }, "BMP file is shorter than its headers"},
      {"absurd width and height",
       [](auto& bytes) {
         PutInt32(bytes, 18, 0x7FFFFFFF);
         PutInt32(bytes, 22, 0x7FFFFFFF);
       },
       kSize},
      {"huge width, one row",
       [](auto& bytes) {
         PutInt32(bytes, 18, 1 << 30);
         PutInt32(bytes, 22, 1);
       },
       kSize},
      {"most negative height", [](auto& bytes) { PutInt32(bytes, 22, std::numeric_limits<std::int32_t>::min()); },
       "BMP height is out of range"},
      {"zero width", [](auto& bytes) { PutInt32(bytes, 18, 0); }, kSize},
  };
  return damages;
}

// The decoder's own answer for a damaged skin, read in this process.
void ExpectDecodeReason(const std::vector<unsigned char>& bytes, const SkinDamage& damage) {
  const Expected<Surface> decoded = DecodeBmp(bytes);
  ASSERT_FALSE(decoded);
  EXPECT_EQ(decoded.reason(), damage.decodeReason);
}

// A skin that cannot be used at start-up: the program says so and ends
// without a main window and without touching the settings; a damaged file
// that still reads as a picture may also be used. Either way: no crash, no hang.
TEST(DamagedSkinTest, DamagedSkinAtStartIsReportedOrUsed) {
  for (const DeviceChoice& device : {Pocket(), Wide()}) {
    const std::string skin = device.width >= 480 ? "Icons480.bmp" : "Icons240.bmp";
    for (const SkinDamage& damage : SkinDamages()) {
      SCOPED_TRACE(device.name + ", " + skin + " " + damage.what);
      ProgramSandbox sandbox(StagedProgramDir(), TestedExecutable());
      std::vector<unsigned char> bytes = sandbox.ReadBytes(skin);
      damage.apply(bytes);
      sandbox.WriteBytes(skin, bytes);
      ExpectDecodeReason(bytes, damage);
      const SandboxRun run = sandbox.Run("dump start.json\n", device);
      ASSERT_FALSE(run.hung) << run.Summary();
      ASSERT_EQ(run.signal, 0) << run.Summary();
      const nlohmann::json start = ReadJson(sandbox, "start.json");
      if (const nlohmann::json* box = WindowOfClass(start, "MessageBox")) {
        EXPECT_EQ(run.exitStatus, 1) << run.Summary();
        EXPECT_NE(box->value("text", "").find("Cannot load skin file "), std::string::npos);
        EXPECT_FALSE(std::filesystem::exists(sandbox.SettingsFile()));
      } else {
        EXPECT_EQ(run.exitStatus, 0) << run.Summary();
        EXPECT_NE(WindowOfClass(start, "CSkyMapDlg"), nullptr);
      }
    }
  }
}

// Turning red-screen mode on loads the red skin while the program runs; a
// damaged one is reported and the program goes on.
TEST(DamagedSkinTest, DamagedRedSkinWhileRunningKeepsTheProgramGoing) {
  for (const SkinDamage& damage : SkinDamages()) {
    SCOPED_TRACE(damage.what);
    ProgramSandbox sandbox(StagedProgramDir(), TestedExecutable());
    std::vector<unsigned char> bytes = sandbox.ReadBytes("Icons240r.bmp");
    damage.apply(bytes);
    sandbox.WriteBytes("Icons240r.bmp", bytes);
    ExpectDecodeReason(bytes, damage);
    ExpectNormalRun(sandbox, Pocket(), RedSkin::kFails);
  }
}

// --- settings -----------------------------------------------------------------

TEST(DamagedSettingsTest, GarbageSettingsGiveDefaultsAndAreWrittenCleanly) {
  const std::vector<std::pair<const char*, std::string>> damages{
      {"binary garbage", Garbage(8192, 3)},
      {"values out of range and malformed lines",
       "[Main]\nV_ZOOM=99999999999999999999\nV_MAG=-5\nV_RA1=abc\nV_DEC1=\nRedScreenMode=4294967295\n"
       "ConstellationNames=7\n[Main\n=5\n==\n[]\nV_RA1 = 12\n\xff\xfe[Main]\n"},
      {"zero zoom and magnitude", "[Main]\nV_ZOOM=0\nV_MAG=0\nV_RA1=0\nV_DEC1=0\n"},
      {"a megabyte line", "[Main]\nV_ZOOM=" + std::string(kMegabyte, '9') + "\n" + std::string(kMegabyte, '[')},
  };
  for (const auto& [what, text] : damages) {
    SCOPED_TRACE(what);
    ProgramSandbox sandbox(StagedProgramDir(), TestedExecutable());
    sandbox.WriteText(sandbox.SettingsFile().filename().string(), text);
    ExpectNormalRun(sandbox, Pocket());
  }
}

}  // namespace
