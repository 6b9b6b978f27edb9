#include <gtest/gtest.h>

#include <sstream>
#include <thread>

#include "platform/windows/SystemApi.h"
#include "platform/windows/WindowApi.h"
#include "tests/platform/windows/TestDesktop.h"

namespace {

TEST(SystemApi, ScreenMetricsAndPlatformTypeComeFromTheDeviceProfile) {
  DeviceProfile profile = TestDesktop::DefaultProfile();
  profile.platformType = u"Smartphone";
  TestDesktop test(profile);
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 240);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 320);
  WCHAR buffer[256] = {};
  ASSERT_TRUE(SystemParametersInfo(SPI_GETPLATFORMTYPE, 255, buffer, 0));
  EXPECT_EQ(WideString(buffer), u"Smartphone");
  WCHAR small[4] = {};
  EXPECT_FALSE(SystemParametersInfo(SPI_GETPLATFORMTYPE, sizeof small, small, 0));
  EXPECT_EQ(small[0], 0);
}

TEST(SystemApi, WithoutADesktopQueriesFailQuietly) {
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 0);
  WCHAR buffer[16] = {};
  EXPECT_FALSE(SystemParametersInfo(SPI_GETPLATFORMTYPE, sizeof buffer, buffer, 0));
  EXPECT_EQ(GetTickCount(), 0u);
  OutputDebugString(u"no device listens");
  EXPECT_EQ(CreateThread(nullptr, 0, [](void*) -> DWORD { return 0; }, nullptr, 0, nullptr), nullptr);
}

TEST(SystemApi, TheHeadlessClockMovesOnlyWhenAdvanced) {
  TestDesktop test;
  EXPECT_EQ(GetTickCount(), 0u);
  EXPECT_EQ(GetUtcMilliseconds(), VirtualClock::kStartUtcMilliseconds);
  test.clock.Advance(1234);
  EXPECT_EQ(GetTickCount(), 1234u);
  // The time of day starts at 2000-01-01T12:00Z and moves with the ticks.
  EXPECT_EQ(GetUtcMilliseconds(), 946728000000 + 1234);
}

TEST(SystemApi, ModuleFileNameIsCutToTheBuffer) {
  TestDesktop test;
  WCHAR buffer[260];
  EXPECT_EQ(GetModuleFileName(nullptr, buffer, 260), 19u);
  EXPECT_EQ(WideString(buffer), u"/opt/device/Vespera");
  WCHAR shortBuffer[5];
  EXPECT_EQ(GetModuleFileName(nullptr, shortBuffer, 5), 4u);
  EXPECT_EQ(WideString(shortBuffer), u"/opt");
}

TEST(SystemApi, BeepsAreCounted) {
  TestDesktop test;
  MessageBeep(MB_OK);
  MessageBeep(MB_OK);
  EXPECT_EQ(test.desktop.BeepCount(), 2);
}

TEST(SystemApi, FindWindowMatchesClassWithoutCaseAndTextExactly) {
  TestDesktop test;
  EXPECT_EQ(FindWindow(u"HHTaskBar", u""), nullptr);
  WindowClass taskBar;
  taskBar.name = u"HHTaskBar";
  test.desktop.Classes().Register(taskBar);
  const HWND bar = CreateWindowEx(0, u"HHTaskBar", u"", WS_POPUP, 0, 0, 240, 26, nullptr, 0, nullptr, nullptr);
  EXPECT_EQ(FindWindow(u"hhtaskbar", u""), bar);
  EXPECT_EQ(FindWindow(u"HHTaskBar", u"Start"), nullptr);
}

}  // namespace

namespace {

TEST(SystemApi, DebugOutputArrivesAsWholeLinesAfterTheProgramsNameFromAnyThreadOnceAttached) {
  TestDesktop test;
  OutputDebugString(u"dropped: nobody listens yet");
  std::ostringstream err;
  test.desktop.Debug().AttachTo(err, "prog: ");
  OutputDebugString(u"Stars.dat: the file cannot be opened");
  OutputDebugString(u"already ended\n");
  EXPECT_EQ(err.str(), "prog: Stars.dat: the file cannot be opened\nprog: already ended\n");
  test.desktop.Debug().AttachTo(err);

  // Two threads at once never cut into each other's lines.
  err.str("");
  const WideString longLine(200, u'x');
  auto writeMany = [&] {
    for (int i = 0; i < 200; ++i) OutputDebugString(longLine.c_str());
  };
  std::thread other(writeMany);
  writeMany();
  other.join();
  std::istringstream lines(err.str());
  int count = 0;
  for (std::string line; std::getline(lines, line); ++count) ASSERT_EQ(line, std::string(200, 'x'));
  EXPECT_EQ(count, 400);
}

}  // namespace
