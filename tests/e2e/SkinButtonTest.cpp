// The command buttons and the logo on screen are cut from the skin strip:
// each button has its image's size and shows exactly its image's pixels, and
// a held button draws the same image and acts only when the stylus lifts.

#include <gtest/gtest.h>

#include "platform/gdi/ImageFiles.h"
#include "tests/e2e/ProgramRun.h"

using namespace vespera;

namespace {

struct StripImage {
  int buttonId;  // 0 for the logo
  RECT inStrip;  // right and bottom exclusive: the button's size
};

struct SkinCase {
  Device device;
  std::string skinFile;
  std::vector<StripImage> images;
};

const SkinCase k240{kPocketPc,
                    "Icons240.bmp",
                    {{0, {0, 0, 26, 26}},
                     {1002, {128, 0, 141, 14}},
                     {1006, {44, 0, 57, 14}},
                     {1007, {59, 0, 72, 14}},
                     {1004, {29, 0, 42, 14}},
                     {1005, {74, 0, 87, 14}},
                     {1001, {109, 0, 123, 14}},
                     {1003, {91, 0, 105, 14}}}};

const SkinCase k480{kWidePocketPc,
                    "Icons480.bmp",
                    {{0, {0, 0, 52, 52}},
                     {1002, {257, 0, 284, 29}},
                     {1006, {89, 0, 116, 29}},
                     {1007, {119, 0, 146, 29}},
                     {1004, {59, 0, 86, 29}},
                     {1005, {149, 0, 176, 29}},
                     {1001, {219, 0, 246, 29}},
                     {1003, {183, 0, 210, 29}}}};

RECT ButtonRect(const nlohmann::json& dump, int id) {
  const nlohmann::json* button = ChildWithId(*MainWindow(dump), id);
  if (!button) throw std::runtime_error("no button " + std::to_string(id));
  const auto& r = button->at("rect");
  return RECT{r[0], r[1], r[2], r[3]};
}

// Pixels of `at` on the screen that differ from the strip's image.
int Differences(const Surface& screen, POINT at, const Surface& strip, RECT image) {
  int differ = 0;
  for (LONG y = 0; y < image.bottom - image.top; ++y)
    for (LONG x = 0; x < image.right - image.left; ++x)
      differ += screen.GetPixel(at.x + x, at.y + y) != strip.GetPixel(image.left + x, image.top + y);
  return differ;
}

class SkinButtons : public ::testing::TestWithParam<SkinCase> {};

TEST_P(SkinButtons, ShowTheirStripImagesAtTheirImageSizes) {
  const SkinCase& skin = GetParam();
  ProgramRun run;
  ASSERT_EQ(run.Run("wait\nshot screen.png\ndump screen.json\n", skin.device).status, 0);
  const Expected<Surface> strip = LoadImageFile(run.File(skin.skinFile));
  ASSERT_TRUE(strip.has_value());
  const Surface screen = run.Shot("screen.png");
  const nlohmann::json dump = run.Dump("screen.json");
  for (const StripImage& image : skin.images) {
    SCOPED_TRACE(image.buttonId);
    POINT at{0, 0};
    if (image.buttonId != 0) {
      const RECT button = ButtonRect(dump, image.buttonId);
      EXPECT_EQ(button.right - button.left, image.inStrip.right - image.inStrip.left);
      EXPECT_EQ(button.bottom - button.top, image.inStrip.bottom - image.inStrip.top);
      at = {button.left, button.top};
    }
    EXPECT_EQ(Differences(screen, at, *strip, image.inStrip), 0);
  }
}

TEST_P(SkinButtons, AHeldButtonKeepsItsImageAndActsWhenLifted) {
  const SkinCase& skin = GetParam();
  ProgramRun run;
  // The zoom-in button's centre, from a first run's layout.
  ASSERT_EQ(run.Run("wait\ndump layout.json\n", skin.device).status, 0);
  const RECT plus = ButtonRect(run.Dump("layout.json"), 1001);
  const std::string centre = std::to_string((plus.left + plus.right) / 2) + " " +
                             std::to_string((plus.top + plus.bottom) / 2);
  ASSERT_EQ(run.Run("wait\ndown " + centre + "\nwait\nshot held.png\ndump held.json\nup " + centre +
                        "\nwait\ndump lifted.json\n",
                    skin.device)
                .status,
            0);
  EXPECT_EQ(MainState(run.Dump("held.json")).at("zoom"), 1.0);
  EXPECT_DOUBLE_EQ(MainState(run.Dump("lifted.json")).at("zoom").get<double>(), 1.1);
  const Expected<Surface> strip = LoadImageFile(run.File(skin.skinFile));
  ASSERT_TRUE(strip.has_value());
  const StripImage& zoomIn = *std::find_if(skin.images.begin(), skin.images.end(),
                                           [](const StripImage& image) { return image.buttonId == 1001; });
  EXPECT_EQ(Differences(run.Shot("held.png"), {plus.left, plus.top}, *strip, zoomIn.inStrip), 0);
}

INSTANTIATE_TEST_SUITE_P(Skins, SkinButtons, ::testing::Values(k240, k480),
                         [](const auto& info) { return "Width" + std::to_string(info.param.device.width); });

}  // namespace
