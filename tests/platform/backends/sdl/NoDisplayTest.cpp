// Started from a text console or over ssh without X11 or Wayland, the window
// backend must give up at once and say how to run without a window, instead
// of running the program on where nobody can see it.

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "platform/backends/entry/PlatformMain.h"
#include "platform/framework/WinApp.h"

namespace {

class CountingApp : public CWinApp {
 public:
  BOOL InitInstance() override {
    ++started;
    return FALSE;
  }
  int started = 0;
};

TEST(NoDisplay, TheWindowedRunEndsAtOnceWithOneLineNamingHeadless) {
  unsetenv("DISPLAY");
  unsetenv("WAYLAND_DISPLAY");
  unsetenv("SDL_VIDEODRIVER");
  CountingApp app;
  std::istringstream in;
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(RunPlatform({"--screen", "240x320"}, app, {in, out, err}), 1);
  EXPECT_EQ(app.started, 0) << "the program ran without a window";
  const std::string text = err.str();
  ASSERT_FALSE(text.empty());
  EXPECT_EQ(text.find('\n'), text.size() - 1) << "one line: " << text;
  EXPECT_NE(text.find("--headless"), std::string::npos) << text;
  EXPECT_NE(text.find("display"), std::string::npos) << text;
  EXPECT_EQ(out.str(), "");
}

}  // namespace
