#include "appcore/ScreenClass.h"

#include <gtest/gtest.h>

using namespace vespera;

namespace {

struct Expected {
  ScreenProfile screen;
  bool highRes, height240, smallPhone, qvgaPhone;
};

TEST(ScreenClass, EachSupportedScreenFallsInItsClass) {
  const Expected table[] = {
      {{176, 220, u"Smartphone"}, false, false, true, false},
      {{220, 176, u"Smartphone"}, false, false, true, false},
      {{240, 320, u"PocketPC"}, false, false, false, false},
      {{240, 320, u"Smartphone"}, false, false, false, true},
      {{240, 320, u"SMARTPHONE"}, false, false, false, true},
      {{240, 320, u""}, false, false, false, false},  // the platform could not be asked
      {{320, 240, u"Smartphone"}, false, true, false, false},
      {{480, 640, u"PocketPC"}, true, false, false, false},
      {{640, 480, u"PocketPC"}, true, false, false, false},
  };
  for (const Expected& e : table) {
    SCOPED_TRACE(testing::Message() << e.screen.width << "x" << e.screen.height);
    EXPECT_EQ(IsHighResScreen(e.screen), e.highRes);
    EXPECT_EQ(IsHeight240Screen(e.screen), e.height240);
    EXPECT_EQ(IsSmallPhoneScreen(e.screen), e.smallPhone);
    EXPECT_EQ(IsQvgaPhone(e.screen), e.qvgaPhone);
  }
}

}  // namespace
