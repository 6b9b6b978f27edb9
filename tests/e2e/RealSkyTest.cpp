// The program with the real generated catalogue: what a stargazer taps is what
// the status line names.

#include <gtest/gtest.h>

#include <string>

#include "skymap/Projection.h"
#include "tests/e2e/ProgramRun.h"

using namespace vespera;

namespace {

constexpr MapGeometry kGeometry{0, 26, 16, 240, 278, 117};

// Stored form of a view angle in the settings (65535 is zero, hundredths).
std::uint32_t StoredAngle(double degrees) { return static_cast<std::uint32_t>(65535 + degrees * 100); }

TEST(RealSky, ATapWhereM87IsDrawnAtZoom3PicksM87) {
  ProgramRun run;
  for (const char* file : {"Stars.dat", "StarNames.dat", "DeepSky.dat", "DeepSkyNames.dat", "CLines.dat", "CNames.dat"})
    run.CopyStagedFile(file);
  // The Virgo cluster, a little off M87, where NGC 4478 lies 8' from it.
  ViewState view;
  view.centerRa = 187.5 + 180;
  view.centerDec = 180 - 12.2;
  view.zoom = 3;
  view.magnitudeLimit = 9;
  run.WriteSettings({{"V_RA1", StoredAngle(view.centerRa)}, {"V_DEC1", StoredAngle(view.centerDec)},
                     {"V_ZOOM", 300}, {"V_MAG", 900}});
  int x = 0, y = 0;
  ASSERT_TRUE(ProjectToScreen(view, kGeometry, 187.7058f, 12.3911f, x, y));  // M87, J2000
  x += kGeometry.mapLeft;
  y += kGeometry.mapTop;
  ASSERT_EQ(run.Run("wait\ntap " + std::to_string(x) + " " + std::to_string(y) + "\ndump tap.json\n").status, 0);
  const auto state = MainState(run.Dump("tap.json"));
  EXPECT_EQ(state.at("statusText"), "DSO: NGC-4486, M87 Virgo A, mag: 8.60");
  EXPECT_EQ(state.at("selectionKind"), 1);
}

}  // namespace
