#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "info/IniFile.h"
#include "platform/runtime/CodePage.h"
#include "tools/datagen/InfoPages.h"

using namespace vespera;

namespace {

TEST(InfoPageFormat, PositionsSizesAndEscapes) {
  EXPECT_EQ(FormatRightAscension(10.6847), "00h 42.7m");
  EXPECT_EQ(FormatRightAscension(359.999), "00h 00.0m");  // rounds up into the next day
  EXPECT_EQ(FormatRightAscension(-15.0), "23h 00.0m");
  EXPECT_EQ(FormatDeclination(41.26875), "+41\u00B0 16'");
  EXPECT_EQ(FormatDeclination(-0.5), "-00\u00B0 30'");
  EXPECT_EQ(FormatDeclination(-1e300), "-90\u00B0 00'");
  EXPECT_EQ(EscapeHtml("a<b & c>\nd"), "a&lt;b &amp; c&gt; d");
}

ListedObject Object(int number, const char* name, const char* notes) {
  ListedObject object;
  object.note.number = number;
  object.note.designation = "NGC " + std::to_string(number);
  object.note.name = name;
  object.note.constellation = "And";
  object.note.notes = notes;
  object.label = std::string("M").append(std::to_string(number));  // appended: GCC 12 -O3 -Wrestrict
  object.point = {10.6847f, 41.26875f};
  object.magnitude = 3.44f;
  object.type = "Spiral galaxy";
  return object;
}

struct IniFixture : ::testing::Test {
  std::map<std::string, std::string> constellations{{"And", "Andromeda"}};
  std::vector<ListedObject> objects{Object(1, "", "[not a header] ; nor a comment"), Object(2, "Test <Galaxy>", "x")};
  std::filesystem::path path = std::filesystem::temp_directory_path() / "vespera_tools_pages.ini";

  IniFile Parse(const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
    IniFile file;
    EXPECT_TRUE(LoadIniFile(path.string(), file));
    std::filesystem::remove(path);
    return file;
  }
};

TEST_F(IniFixture, EveryEntryGetsItsSectionAndTheReaderSeesThemAll) {
  const IniFile file = Parse(BuildInfoIni({&kMessierList, "Intro & more", &objects, &constellations}));
  ASSERT_EQ(file.size(), 3u);
  EXPECT_EQ(FindSection(file, u"0"), 0);
  EXPECT_EQ(FindSection(file, u"2"), 2);
  const std::string overview = WideToUtf8(file[0].body);
  EXPECT_NE(overview.find("<p>Intro &amp; more</p>"), std::string::npos);
  EXPECT_NE(overview.find("<b>M1</b></td><td>NGC 1<br>Spiral galaxy</td><td>And<br>3.4</td>"), std::string::npos);
  const std::string first = WideToUtf8(file[1].body);
  // Body text that looks like a header or a comment stays inside its paragraph.
  EXPECT_NE(first.find("<p>[not a header] ; nor a comment</p>"), std::string::npos);
  EXPECT_NE(first.find("<td>Andromeda</td>"), std::string::npos);
  EXPECT_NE(first.find("+41\u00B0 16'"), std::string::npos);
  EXPECT_NE(WideToUtf8(file[2].body).find("<h3>M2 Test &lt;Galaxy&gt;</h3>"), std::string::npos);
}

TEST_F(IniFixture, UnknownConstellationStopsTheBuild) {
  objects[1].note.constellation = "Xyz";
  EXPECT_THROW(BuildInfoIni({&kMessierList, "", &objects, &constellations}), std::runtime_error);
}

}  // namespace
