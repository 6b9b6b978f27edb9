#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/backends/sdl/SdlBackend.h"
#include "platform/backends/sdl/PhoneDisplay.h"
#include "platform/backends/sdl/SdlInput.h"
#include "platform/windows/VirtualKeys.h"

namespace {

TEST(SdlInput, KeysBecomeTheDevicesVirtualKeys) {
  EXPECT_EQ(VirtualKeyForSdlKey(SDLK_a), UINT('A'));
  EXPECT_EQ(VirtualKeyForSdlKey(SDLK_z), UINT('Z'));
  EXPECT_EQ(VirtualKeyForSdlKey(SDLK_0), UINT('0'));
  EXPECT_EQ(VirtualKeyForSdlKey(SDLK_9), UINT('9'));
  // The keypad's digits drive the map like the device's keypad.
  EXPECT_EQ(VirtualKeyForSdlKey(SDLK_KP_8), UINT('8'));
  EXPECT_EQ(VirtualKeyForSdlKey(SDLK_KP_0), UINT('0'));
  EXPECT_EQ(VirtualKeyForSdlKey(SDLK_KP_ENTER), VK_RETURN);
  EXPECT_EQ(VirtualKeyForSdlKey(SDLK_RETURN), VK_RETURN);
  EXPECT_EQ(VirtualKeyForSdlKey(SDLK_ESCAPE), VK_ESCAPE);
  EXPECT_EQ(VirtualKeyForSdlKey(SDLK_BACKSPACE), VK_BACK);
  EXPECT_EQ(VirtualKeyForSdlKey(SDLK_TAB), VK_TAB);
  EXPECT_EQ(VirtualKeyForSdlKey(SDLK_LEFT), VK_LEFT);
  EXPECT_EQ(VirtualKeyForSdlKey(SDLK_DOWN), VK_DOWN);
  EXPECT_EQ(VirtualKeyForSdlKey(SDLK_RSHIFT), VK_SHIFT);
  // The desktop keyboard's zoom keys.
  EXPECT_EQ(VirtualKeyForSdlKey(SDLK_EQUALS), VK_OEM_PLUS);
  EXPECT_EQ(VirtualKeyForSdlKey(SDLK_PLUS), VK_OEM_PLUS);
  EXPECT_EQ(VirtualKeyForSdlKey(SDLK_MINUS), VK_OEM_MINUS);
  EXPECT_EQ(VirtualKeyForSdlKey(SDLK_KP_PLUS), VK_ADD);
  EXPECT_EQ(VirtualKeyForSdlKey(SDLK_KP_MINUS), VK_SUBTRACT);
  EXPECT_EQ(VirtualKeyForSdlKey(SDLK_PAGEUP), VK_PRIOR);
  EXPECT_EQ(VirtualKeyForSdlKey(SDLK_PAGEDOWN), VK_NEXT);
  // Every function key, the editing keys and the punctuation a later key may want.
  EXPECT_EQ(VirtualKeyForSdlKey(SDLK_F1), VK_F1);
  EXPECT_EQ(VirtualKeyForSdlKey(SDLK_F12), VK_F12);
  EXPECT_EQ(VirtualKeyForSdlKey(SDLK_INSERT), VK_INSERT);
  EXPECT_EQ(VirtualKeyForSdlKey(SDLK_HOME), VK_HOME);
  EXPECT_EQ(VirtualKeyForSdlKey(SDLK_END), VK_END);
  EXPECT_EQ(VirtualKeyForSdlKey(SDLK_KP_MULTIPLY), VK_MULTIPLY);
  EXPECT_EQ(VirtualKeyForSdlKey(SDLK_LEFTBRACKET), VK_OEM_4);
  EXPECT_EQ(VirtualKeyForSdlKey(SDLK_RIGHTBRACKET), VK_OEM_6);
  EXPECT_EQ(VirtualKeyForSdlKey(SDLK_CAPSLOCK), 0u);
}

TEST(SdlInput, TheScaleIsTheOneAskedForElseTheLargestThatFitsUpToThreeNeverBeyondTheDesktop) {
  EXPECT_EQ(ChooseScale(2, {240, 320}, {1920, 1080}), 2);
  EXPECT_EQ(ChooseScale(5, {480, 640}, {1920, 1080}), 1);  // asked for, but 5 x 640 leaves the desktop
  EXPECT_EQ(ChooseScale(5, {240, 320}, {1920, 1080}), 3);
  EXPECT_EQ(ChooseScale(5, {240, 320}, {0, 0}), 5);  // no desktop size known
  EXPECT_EQ(ChooseScale(0, {240, 320}, {1920, 1050}), 3);
  EXPECT_EQ(ChooseScale(0, {480, 640}, {1920, 1050}), 1);
  EXPECT_EQ(ChooseScale(0, {240, 320}, {1024, 700}), 2);
  EXPECT_EQ(ChooseScale(0, {480, 640}, {800, 600}), 1);  // too large even unmagnified
  EXPECT_EQ(ChooseScale(0, {240, 320}, {0, 0}), 1);      // no desktop size known
}

TEST(SdlInput, TheDefaultScreenOpensWhereItFitsElseTheDisplaysOwnFullScreen) {
  struct Case {
    WindowRequest request;
    SIZE desktop;
    WindowChoice want;
  };
  const Case cases[] = {
      {{}, {1920, 1050}, {false, SIZE{480, 640}, 1}},
      {{}, {480, 640}, {false, SIZE{480, 640}, 1}},
      {{}, {1000, 1380}, {false, SIZE{480, 640}, 2}},
      {{}, {320, 240}, {true, std::nullopt, 1}},  // a small TFT
      {{}, {360, 700}, {true, std::nullopt, 1}},  // a phone at scale 2, in its logical pixels
      {{SIZE{240, 320}, false, 0}, {320, 240}, {false, SIZE{240, 320}, 1}},  // asked for: kept
      {{std::nullopt, true, 0}, {1920, 1050}, {true, std::nullopt, 1}},
      {{SIZE{240, 320}, true, 0}, {1920, 1050}, {true, SIZE{240, 320}, 1}},
      {{std::nullopt, false, 3}, {1920, 1050}, {false, SIZE{480, 640}, 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.desktop.cx << "x" << c.desktop.cy << " fullscreen " << c.request.fullscreen);
    const WindowChoice got = ChooseWindow(c.request, c.desktop);
    EXPECT_EQ(got.fullscreen, c.want.fullscreen);
    EXPECT_EQ(got.screen.value_or(SIZE{}), c.want.screen.value_or(SIZE{}));
    if (!got.fullscreen) {
      EXPECT_EQ(got.scale, c.want.scale);
    }
  }
}

TEST(SdlInput, APhoneDisplayShowsItsPixelsInWholeBlocksFullScreenADesktopKeepsItsWindow) {
  struct Case {
    DisplayFacts display;
    PhoneRule rule;
    WindowChoice want;
  };
  const SIZE desktop{1920, 1050};
  const Case cases[] = {
      {{{720, 1440}, 300}, PhoneRule::ByDisplay, {true, SIZE{360, 720}, 2}},
      {{{1080, 2340}, 400}, PhoneRule::ByDisplay, {true, SIZE{360, 780}, 3}},
      {{{1440, 3200}, 500}, PhoneRule::ByDisplay, {true, SIZE{480, 1066}, 3}},
      {{{480, 800}, 250}, PhoneRule::ByDisplay, {true, SIZE{480, 800}, 1}},
      // A desktop monitor, a dense laptop lying wide, a display of unknown density.
      {{{1920, 1080}, 96}, PhoneRule::ByDisplay, {false, SIZE{480, 640}, 1}},
      {{{2880, 1800}, 220}, PhoneRule::ByDisplay, {false, SIZE{480, 640}, 1}},
      {{{1080, 1920}, 0}, PhoneRule::ByDisplay, {false, SIZE{480, 640}, 1}},
      {{{1920, 1080}, 96}, PhoneRule::Always, {true, SIZE{480, 270}, 4}},
      {{{720, 1440}, 300}, PhoneRule::Never, {false, SIZE{480, 640}, 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.display.pixels.cx << "x" << c.display.pixels.cy << " at " << c.display.dpi);
    const WindowChoice got = ChooseWindowForDisplay({}, desktop, c.display, c.rule);
    EXPECT_EQ(got.fullscreen, c.want.fullscreen);
    EXPECT_EQ(got.screen.value_or(SIZE{}), c.want.screen.value_or(SIZE{}));
    EXPECT_EQ(got.scale, c.want.scale);
    // Shown full screen, the screen fills the display at that scale and a
    // display pixel maps back into its block.
    if (!got.fullscreen) continue;
    const ScreenPlacement placed = PlaceScreen(*got.screen, c.display.pixels);
    EXPECT_EQ(placed.scale, got.scale);
    EXPECT_EQ(OutputToScreen(2 * got.scale * 10 + got.scale - 1 + placed.origin.x, got.scale * 7 + placed.origin.y,
                             placed, *got.screen),
              (POINT{20, 7}));
  }
  // A size, scale or full screen the user asked for stands on a phone too.
  const DisplayFacts phone{{720, 1440}, 300};
  EXPECT_EQ(ChooseWindowForDisplay({SIZE{240, 320}, false, 0}, {720, 1440}, phone).screen.value_or(SIZE{}),
            (SIZE{240, 320}));
  EXPECT_FALSE(ChooseWindowForDisplay({std::nullopt, true, 0}, {720, 1440}, phone).screen);
}

TEST(SdlInput, TheScreenSitsCentredAtTheLargestWholeScaleAndPointsMapThroughIt) {
  const SIZE screen{240, 320};
  const ScreenPlacement exact = PlaceScreen(screen, {480, 640});
  EXPECT_EQ(exact.scale, 2);
  EXPECT_EQ(exact.origin, (POINT{0, 0}));
  const ScreenPlacement resized = PlaceScreen(screen, {800, 1000});
  EXPECT_EQ(resized.scale, 3);
  EXPECT_EQ(resized.origin, (POINT{40, 20}));
  // Smaller than the screen: unmagnified, centred, cut at the edges.
  const ScreenPlacement small = PlaceScreen(screen, {200, 300});
  EXPECT_EQ(small.scale, 1);
  EXPECT_EQ(small.origin, (POINT{-20, -10}));

  EXPECT_EQ(OutputToScreen(61, 99, exact, screen), (POINT{30, 49}));
  EXPECT_EQ(OutputToScreen(479, 639, exact, screen), (POINT{239, 319}));
  EXPECT_EQ(OutputToScreen(40 + 3 * 30 + 2, 20 + 3 * 49, resized, screen), (POINT{30, 49}));
  // The border and beyond the window keep the stylus on the screen's edge.
  EXPECT_EQ(OutputToScreen(10, 5, resized, screen), (POINT{0, 0}));
  EXPECT_EQ(OutputToScreen(-7, 990, resized, screen), (POINT{0, 319}));
  EXPECT_EQ(OutputToScreen(799, 30, resized, screen), (POINT{239, 3}));
}

TEST(SdlInput, APinchZoomsOneStepPerTenthOfDistance) {
  PinchGesture pinch;
  EXPECT_EQ(pinch.FingerDown(1, 100, 100), 0);
  EXPECT_FALSE(pinch.Active());
  EXPECT_EQ(pinch.FingerMove(1, 110, 100), 0);  // one finger is no pinch
  EXPECT_EQ(pinch.FingerDown(2, 210, 100), 0);  // 100 apart
  EXPECT_TRUE(pinch.Active());
  EXPECT_EQ(pinch.FingerDown(3, 0, 0), 0);      // a third finger takes no part
  EXPECT_EQ(pinch.FingerMove(2, 215, 100), 0);  // 105: not yet a tenth
  EXPECT_EQ(pinch.FingerMove(2, 221, 100), 1);  // 111
  EXPECT_EQ(pinch.FingerMove(2, 244, 100), 2);  // 134 > 110 x 1.1 x 1.1
  EXPECT_DOUBLE_EQ(pinch.MidX(), 177);
  EXPECT_EQ(pinch.FingerMove(1, 149, 100), -3);  // 95 apart: below 133.1 / 1.1^3
  EXPECT_EQ(pinch.FingerMove(3, 500, 500), 0);
  pinch.FingerUp(1);
  EXPECT_FALSE(pinch.Active());
  EXPECT_EQ(pinch.FingerMove(2, 400, 100), 0);
}

TEST(SdlInput, TheIconIsFoundBesideTheProgramOrInTheBuildsIconFolder) {
  namespace fs = std::filesystem;
  const fs::path root = fs::temp_directory_path() / ("vespera-icon-" + std::to_string(::getpid()));
  fs::remove_all(root);
  fs::create_directories(root / "Vespera");
  fs::create_directories(root / "icons");
  const std::string program = (root / "Vespera" / "vespera").string();
  EXPECT_EQ(FindApplicationIcon(program), "");
  EXPECT_EQ(FindApplicationIcon(""), "");
  std::ofstream(root / "icons" / "vespera-48.png") << "png";
  EXPECT_EQ(FindApplicationIcon(program), (root / "icons" / "vespera-48.png").string());
  std::ofstream(root / "Vespera" / "vespera.png") << "png";
  EXPECT_EQ(FindApplicationIcon(program), (root / "Vespera" / "vespera.png").string());
  fs::remove_all(root);
}

}  // namespace
