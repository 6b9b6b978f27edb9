#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/backends/sdl/SdlBackend.h"
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
  EXPECT_EQ(VirtualKeyForSdlKey(SDLK_F5), 0u);
  EXPECT_EQ(VirtualKeyForSdlKey(SDLK_CAPSLOCK), 0u);
}

TEST(SdlInput, TheScaleIsTheOneAskedForElseTheLargestThatFitsUpToThree) {
  EXPECT_EQ(ChooseScale(5, {480, 640}, {1920, 1080}), 5);
  EXPECT_EQ(ChooseScale(0, {240, 320}, {1920, 1050}), 3);
  EXPECT_EQ(ChooseScale(0, {480, 640}, {1920, 1050}), 1);
  EXPECT_EQ(ChooseScale(0, {240, 320}, {1024, 700}), 2);
  EXPECT_EQ(ChooseScale(0, {480, 640}, {800, 600}), 1);  // too large even unmagnified
  EXPECT_EQ(ChooseScale(0, {240, 320}, {0, 0}), 1);      // no desktop size known
}

TEST(SdlInput, WindowPixelsMapToScreenPixelsAndStayOnTheScreen) {
  EXPECT_EQ(WindowToScreen(0, 0, 2, {240, 320}), (POINT{0, 0}));
  EXPECT_EQ(WindowToScreen(61, 99, 2, {240, 320}), (POINT{30, 49}));
  EXPECT_EQ(WindowToScreen(479, 639, 2, {240, 320}), (POINT{239, 319}));
  EXPECT_EQ(WindowToScreen(-7, 900, 2, {240, 320}), (POINT{0, 319}));
  EXPECT_EQ(WindowToScreen(10, 10, 0, {240, 320}), (POINT{10, 10}));
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
