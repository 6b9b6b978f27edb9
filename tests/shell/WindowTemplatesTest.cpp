#include "shell/WindowTemplates.h"

#include <gtest/gtest.h>

using namespace vespera;

namespace {

struct Case {
  ScreenProfile screen;
  UINT main, about, help, search, objectData;
};

// The template ids each window opens with on each screen; saved layouts and
// pixel tests depend on exactly these.
TEST(WindowTemplates, EachWindowTakesItsLayoutForTheScreenClass) {
  const Case table[] = {
      {{176, 220, u"Smartphone"}, 137, 138, 139, 140, 142},
      {{220, 176, u"Smartphone"}, 137, 138, 139, 140, 142},
      {{240, 320, u"PocketPC"}, 102, 132, 134, 133, 131},
      {{240, 320, u"Smartphone"}, 143, 146, 147, 145, 144},
      {{240, 320, u""}, 102, 132, 134, 133, 131},
      {{320, 240, u"Smartphone"}, 102, 132, 136, 135, 141},
      {{480, 640, u"PocketPC"}, 102, 132, 134, 133, 131},
      {{640, 480, u"PocketPC"}, 102, 132, 134, 133, 131},
      // Screens in two classes: height 240 wins where the window has a layout
      // for it; the others fall to their next class.
      {{176, 240, u"Smartphone"}, 137, 138, 136, 135, 141},
      {{240, 240, u"Smartphone"}, 143, 146, 136, 135, 141},
  };
  for (const Case& c : table) {
    SCOPED_TRACE(testing::Message() << c.screen.width << "x" << c.screen.height << " "
                                    << std::string(c.screen.platformType.begin(), c.screen.platformType.end()));
    EXPECT_EQ(ChooseTemplate(ProgramWindow::Main, c.screen).id, c.main);
    EXPECT_EQ(ChooseTemplate(ProgramWindow::About, c.screen).id, c.about);
    EXPECT_EQ(ChooseTemplate(ProgramWindow::Help, c.screen).id, c.help);
    EXPECT_EQ(ChooseTemplate(ProgramWindow::Search, c.screen).id, c.search);
    EXPECT_EQ(ChooseTemplate(ProgramWindow::ObjectData, c.screen).id, c.objectData);
  }
}

}  // namespace
