#include "skymap/DrawingTime.h"

#include <gtest/gtest.h>

using namespace vespera;

namespace {

TEST(DrawingTime, MillisecondsBecomeSecondsBy1024) {
  EXPECT_EQ(DrawingTimeText(u"Ready", 1000, 1512), u"Ready. Drawing time: 0.50s.");
  EXPECT_EQ(DrawingTimeText(u"Ready", 0, 1024), u"Ready. Drawing time: 1.00s.");
  EXPECT_EQ(DrawingTimeText(u"Ready", 7, 7), u"Ready. Drawing time: 0.00s.");
}

TEST(DrawingTime, CounterWrapDuringARebuildStillGivesTheElapsedTime) {
  EXPECT_EQ(DrawingTimeText(u"Ready", 0xFFFFFF00u, 0x100u), u"Ready. Drawing time: 0.50s.");
}

}  // namespace
