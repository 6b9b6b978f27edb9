// The screen classes and the program directory as the running device answers
// them.

#include <gtest/gtest.h>

#include "appcore/ProgramDirectory.h"
#include "appcore/ScreenClass.h"
#include "tests/platform/windows/TestDesktop.h"

using namespace vespera;

namespace {

DeviceProfile Device(LONG width, LONG height, std::u16string platform) {
  DeviceProfile profile = TestDesktop::DefaultProfile();
  profile.width = width;
  profile.height = height;
  profile.platformType = std::move(platform);
  return profile;
}

TEST(DeviceScreen, AsksTheRunningDeviceOnEveryCall) {
  {
    TestDesktop device(Device(240, 320, u"sMaRtPhOnE"));
    EXPECT_TRUE(IsQvgaPhone());
    EXPECT_FALSE(IsHighResScreen());
    EXPECT_FALSE(IsSmallPhoneScreen());
    EXPECT_EQ(CurrentScreen().platformType, u"sMaRtPhOnE");
  }
  {
    TestDesktop device(Device(480, 640, u"PocketPC"));
    EXPECT_TRUE(IsHighResScreen());
    EXPECT_FALSE(IsQvgaPhone());
  }
  {
    TestDesktop device(Device(220, 176, u"Smartphone"));
    EXPECT_TRUE(IsSmallPhoneScreen());
    EXPECT_FALSE(IsQvgaPhone());
  }
  {
    TestDesktop device(Device(320, 240, u"PocketPC"));
    EXPECT_TRUE(IsHeight240Screen());
  }
}

TEST(DeviceScreen, APlatformTypeTheQueryCannotReturnMakesNoPhone) {
  // The query's 255-byte buffer cannot hold this name, so it fails and the
  // 240-wide phone is taken for a Pocket PC.
  TestDesktop device(Device(240, 320, u"Smartphone" + std::u16string(200, u' ')));
  EXPECT_EQ(CurrentScreen().platformType, u"");
  EXPECT_FALSE(IsQvgaPhone());
}

TEST(DeviceProgramDirectory, IsTheFolderOfTheModuleTheDeviceReports) {
  TestDesktop device;
  EXPECT_EQ(GetProgramDirectory(), "/opt/device/");
}

TEST(DeviceProgramDirectory, AModuleNameTooLongForTheDevicesBufferFallsBackToThisProcess) {
  DeviceProfile profile = TestDesktop::DefaultProfile();
  profile.modulePath = "/" + std::string(300, 'd') + "/Vespera";
  TestDesktop device(profile);
  const std::string directory = GetProgramDirectory();
  EXPECT_LT(directory.size(), 300u);
  EXPECT_EQ(directory.back(), '/');
}

}  // namespace
