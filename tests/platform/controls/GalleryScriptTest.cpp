// The control gallery driven the way a user would, by a headless script,
// and checked by its dump and screenshots at both screen sizes.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "platform/backends/entry/PlatformMain.h"
#include "platform/framework/DialogTemplate.h"
#include "platform/gdi/ImageFiles.h"
#include "tests/platform/controls/ControlGallery.h"

namespace fs = std::filesystem;
using nlohmann::json;

namespace {

struct GalleryRun : ::testing::TestWithParam<LONG> {
  GalleryRun() {
    folder = fs::temp_directory_path() / ("vespera-gallery-" + std::to_string(::getpid()) + "-" +
                                          std::to_string(GetParam()));
    fs::remove_all(folder);
    fs::create_directories(folder);
  }
  ~GalleryRun() override { fs::remove_all(folder); }

  LONG Width() const { return GetParam(); }
  // A point inside control `id`, `dx` pixels from its left edge (its middle when negative).
  std::string At(UINT id, LONG dx = -1) const {
    const gallery::UnitRect u = gallery::ControlUnits(id);
    const RECT r = DialogUnitsToPixels(u.x, u.y, u.cx, u.cy, Width());
    const LONG x = dx < 0 ? (r.left + r.right) / 2 : r.left + dx;
    // A combo box's window is only its field, whatever its template's height.
    const LONG y = id == gallery::kList ? r.top + 4 : (r.top + r.bottom) / 2;
    return std::to_string(x) + " " + std::to_string(y);
  }
  std::string File(const std::string& name) const { return (folder / name).string(); }

  int Run(const std::string& script) {
    std::ofstream(folder / "script.txt") << script;
    std::istringstream in;
    const std::string screen = std::to_string(Width()) + "x" + std::to_string(Width() * 4 / 3);
    return RunPlatform({"--headless", "--screen", screen, "--script", File("script.txt"), "--profile",
                        File("settings.ini")},
                       app, {in, out, err});
  }
  json Dump(const std::string& name) const { return json::parse(std::ifstream(folder / name)); }
  static const json* Control(const json& dump, UINT id) {
    for (const json& child : dump["windows"].back()["children"])
      if (child["id"] == id) return &child;
    return nullptr;
  }

  fs::path folder;
  CControlGalleryApp app;
  std::ostringstream out;
  std::ostringstream err;
};

TEST_P(GalleryRun, TypingTickingTabbingAndTheListReachTheirHandlers) {
  using namespace gallery;
  const std::string script = "wait\n"
                             "tap " + At(kMatchCase, 4) + "\n"
                             "tap " + At(kEdit) + "\n"
                             "type M31\n"
                             "key BACK\n"
                             "type 3\n"
                             "key RETURN\n"               // OK's handling takes the texts
                             "key TAB\n"                  // to "Go"
                             "key SPACE\n"
                             "tap " + At(kList) + "\n"    // drops the list
                             "key DOWN\n"
                             "key DOWN\n"
                             "key RETURN\n"               // closes it, not OK
                             "dump " + File("after.json") + "\n"
                             "key ESCAPE\n";
  ASSERT_EQ(Run(script), 0) << err.str();
  EXPECT_EQ(app.result, IDCANCEL);

  const json dump = Dump("after.json");
  const json& state = dump["windows"].back()["state"];
  EXPECT_EQ(dump["windows"].back()["class"], "CControlGalleryDlg");
  EXPECT_EQ(state["query"], "M33");
  EXPECT_EQ(state["matchCase"], 1);
  EXPECT_EQ(state["matchCaseClicks"], 1);
  EXPECT_EQ(state["okCount"], 1);
  EXPECT_EQ(state["goCount"], 1);
  EXPECT_EQ(state["listChanges"], 2);
  EXPECT_EQ(state["listData"], 2);

  const json* list = Control(dump, kList);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ((*list)["selected"], 2);
  EXPECT_EQ((*list)["text"], "M2");
  EXPECT_EQ((*list)["items"].size(), std::size_t(kListEntries));
  EXPECT_EQ((*list)["focused"], true);
  EXPECT_EQ((*Control(dump, kMatchCase))["checked"], true);
  EXPECT_EQ((*Control(dump, kDisabledCheck))["enabled"], false);
  EXPECT_EQ((*Control(dump, kEdit))["text"], "M33");
  EXPECT_EQ(dump["windows"].size(), 1u);  // the dropped list has gone
}

TEST_P(GalleryRun, RedModeColoursTheDialogAndItsTextsAndTheOwnerDrawnButtonDrawsItsStates) {
  using namespace gallery;
  const std::string script = "wait\n"
                             "shot " + File("plain.png") + "\n"
                             "tap " + At(kPush) + "\n"
                             "key TAB\n"  // to the owner-drawn button
                             "shot " + File("red.png") + "\n"
                             "dump " + File("red.json") + "\n";
  ASSERT_EQ(Run(script), 0) << err.str();
  const auto plain = LoadImageFile(File("plain.png"));
  const auto red = LoadImageFile(File("red.png"));
  ASSERT_TRUE(plain && red);

  const LONG bottom = Width() * 4 / 3 - 4;  // below every control
  const gallery::UnitRect label = ControlUnits(kListLabel);
  const RECT labelRect = DialogUnitsToPixels(label.x, label.y, label.cx, label.cy, Width());
  const RECT alwaysRed = [&] {
    const gallery::UnitRect u = ControlUnits(kRedLabel);
    return DialogUnitsToPixels(u.x, u.y, u.cx, u.cy, Width());
  }();
  EXPECT_EQ(plain->GetPixel(4, bottom), RGB(255, 255, 255));
  EXPECT_EQ(red->GetPixel(4, bottom), RGB(255, 0, 0));
  EXPECT_EQ(plain->GetPixel(labelRect.right - 2, labelRect.bottom - 2), RGB(255, 255, 255));
  EXPECT_EQ(red->GetPixel(labelRect.right - 2, labelRect.bottom - 2), RGB(255, 0, 0));
  EXPECT_EQ(plain->GetPixel(alwaysRed.right - 2, alwaysRed.bottom - 2), RGB(255, 0, 0));

  const json dump = Dump("red.json");
  const json& state = dump["windows"].back()["state"];
  EXPECT_EQ(state["redMode"], true);
  const json& drawn = state["ownerDrawnStates"];
  ASSERT_FALSE(drawn.empty());
  EXPECT_EQ(drawn.front(), 0);
  EXPECT_EQ(drawn.back(), int(ODS_FOCUS));
  EXPECT_EQ((*Control(dump, kOwnerDrawn))["focused"], true);
}

INSTANTIATE_TEST_SUITE_P(BothScreens, GalleryRun, ::testing::Values(240, 480),
                         [](const ::testing::TestParamInfo<LONG>& info) { return "Width" + std::to_string(info.param); });

}  // namespace
