#include "shell/ViewSettings.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "tests/shell/ShellFixtures.h"

using namespace vespera;

namespace {

struct ViewSettingsTest : ::testing::Test {
  void SetUp() override { app.SetProfileFile(folder.File("Vespera.ini")); }
  void Store(const std::string& lines) { std::ofstream(folder.File("Vespera.ini")) << "[Main]\n" << lines; }
  std::string Stored() const {
    std::ostringstream text;
    text << std::ifstream(folder.File("Vespera.ini")).rdbuf();
    return text.str();
  }
  ViewState Read() {
    ViewState view;
    view.centerRa = 123;  // whatever the window held before is replaced
    ReadViewSettings(app, view);
    return view;
  }

  ScratchFolder folder;
  CWinApp app{u"Vespera"};
};

TEST_F(ViewSettingsTest, AFirstRunReadsTheDefaultViewAndWritesItsStoredForm) {
  const ViewState view = Read();
  EXPECT_EQ(view.centerRa, 0.0);
  EXPECT_EQ(view.centerDec, 90.0);
  EXPECT_EQ(view.zoom, 1.0);
  EXPECT_EQ(view.magnitudeLimit, 4.0);
  EXPECT_EQ(view.showConstellationLines, 1);
  EXPECT_EQ(view.constellationNameStyle, ConstellationNameStyle::Short);

  WriteViewSettings(app, view);
  EXPECT_EQ(Stored(),
            "[Main]\nConstellationLines=1\nConstellationNames=0\nV_RA1=65535\nV_DEC1=74535\nV_ZOOM=100\nV_MAG=400\n");
}

TEST_F(ViewSettingsTest, OddStoredSwitchesAreUsedAsTheyDecode) {
  Store("ConstellationNames=7\nConstellationLines=5\n");
  const ViewState view = Read();
  EXPECT_EQ(view.constellationNameStyle, ConstellationNameStyle::Short);
  EXPECT_EQ(view.showConstellationLines, 5);
  WriteViewSettings(app, view);
  EXPECT_NE(Stored().find("ConstellationLines=5\n"), std::string::npos);
  EXPECT_NE(Stored().find("ConstellationNames=0\n"), std::string::npos);
}

TEST_F(ViewSettingsTest, ValuesKeepTwoDecimalsCutTowardZero) {
  ViewState view;
  view.centerRa = 12.345;
  view.centerDec = -30.507;
  view.zoom = 0.90909;
  view.magnitudeLimit = 20;
  view.constellationNameStyle = ConstellationNameStyle::None;
  WriteViewSettings(app, view);
  EXPECT_NE(Stored().find("V_RA1=66769\nV_DEC1=62485\nV_ZOOM=90\nV_MAG=2000\n"), std::string::npos);

  const ViewState back = Read();
  EXPECT_DOUBLE_EQ(back.centerRa, 12.34);
  EXPECT_DOUBLE_EQ(back.centerDec, -30.5);
  EXPECT_DOUBLE_EQ(back.zoom, 0.9);
  EXPECT_EQ(back.magnitudeLimit, 20.0);
  EXPECT_EQ(back.constellationNameStyle, ConstellationNameStyle::None);
}

TEST_F(ViewSettingsTest, AStoredZeroRightAscensionIsUsedWithoutARangeCheck) {
  Store("V_RA1=0\n");
  EXPECT_DOUBLE_EQ(Read().centerRa, -655.35);
}

}  // namespace
