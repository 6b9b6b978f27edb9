#include <gtest/gtest.h>

#include <sstream>

#include "platform/backends/headless/Script.h"
#include "platform/windows/VirtualKeys.h"

namespace {

using Kind = ScriptStep::Kind;

std::vector<Kind> KindsOf(const ParsedScript& script) {
  std::vector<Kind> kinds;
  for (const ScriptStep& step : script.steps) kinds.push_back(step.kind);
  return kinds;
}

constexpr SIZE kScreen{240, 320};

TEST(Script, CommandsBecomeStepsThatWaitWhereTheCommandWaits) {
  const ParsedScript script = ParseScript(
      "# comment\n\n  tap 10 20\ndown 1 2\nup 3 4\nkey RETURN\nkeydown 6\nkeyup 0x36\nsleep 600\nwait\n"
      "type  M31 x\r\nshot out/a.png\ndump my dump.json\nrtap 5 6\n",
      kScreen);
  ASSERT_TRUE(script.errors.empty());
  EXPECT_EQ(KindsOf(script),
            (std::vector<Kind>{Kind::StylusDown, Kind::StylusUp, Kind::Settle, Kind::StylusDown, Kind::StylusUp,
                               Kind::KeyDown, Kind::Settle, Kind::KeyUp, Kind::Settle, Kind::KeyDown, Kind::KeyUp,
                               Kind::Advance, Kind::Settle, Kind::Settle, Kind::Characters, Kind::Settle, Kind::Shot,
                               Kind::Dump, Kind::RightClick, Kind::Settle}));
  EXPECT_EQ(script.steps[0].point, (POINT{10, 20}));
  EXPECT_EQ(script.steps[0].line, 3);
  EXPECT_EQ(script.steps[9].key, UINT('6'));
  EXPECT_EQ(script.steps[10].key, UINT('6'));
  EXPECT_EQ(script.steps[11].milliseconds, 600u);
  EXPECT_EQ(script.steps[14].text, u" M31 x");
  EXPECT_EQ(script.steps[16].path, "out/a.png");
  EXPECT_EQ(script.steps[18].point, (POINT{5, 6}));
  EXPECT_EQ(script.steps[17].path, "my dump.json");
}

TEST(Script, EveryBadLineIsReportedWithItsNumber) {
  const ParsedScript script = ParseScript(
      "tapp 1 2\ntap 1\ntap 240 5\ntap -1 5\nkey F13\nsleep soon\nwait now\ntype\nshot\nkey 0x100\nwait\n", kScreen);
  ASSERT_EQ(script.errors.size(), 10u);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(script.errors[std::size_t(i)].line, i + 1);
  EXPECT_EQ(script.errors[0].message, "unknown command \"tapp\"");
  EXPECT_EQ(script.errors[1].message, "tap: expected \"tap X Y\"");
  EXPECT_EQ(script.errors[2].message, "tap: point (240, 5) lies outside the 240x320 screen");
  EXPECT_EQ(script.errors[4].message, "key: unknown key \"F13\"");
}

TEST(Script, MovesAndAFingersStepsDoNotWaitAndTheWheelTurnsAtAPointOrWhereTheStylusWas) {
  const ParsedScript script = ParseScript("move 5 6\nwheel 3 7 8\nwheel -2\nwheel +1\n", kScreen);
  ASSERT_TRUE(script.errors.empty());
  EXPECT_EQ(KindsOf(script), (std::vector<Kind>{Kind::StylusMove, Kind::Wheel, Kind::Settle, Kind::Wheel,
                                                Kind::Settle, Kind::Wheel, Kind::Settle}));
  EXPECT_EQ(script.steps[0].point, (POINT{5, 6}));
  EXPECT_EQ(script.steps[1].notches, 3);
  EXPECT_EQ(script.steps[1].point, (POINT{7, 8}));
  EXPECT_FALSE(script.steps[1].atStylus);
  EXPECT_EQ(script.steps[3].notches, -2);
  EXPECT_TRUE(script.steps[3].atStylus);
  EXPECT_EQ(script.steps[5].notches, 1);

  // A finger's down, moves and up wait no more than the stylus's; only they
  // and "touch" are marked as touch.
  const ParsedScript finger =
      ParseScript("touchdown 1 2\ntouchmove 3 4\nmove 3 5\ntouchup 5 6\ntouch 7 8\ndown 1 1\n", kScreen);
  ASSERT_TRUE(finger.errors.empty());
  EXPECT_EQ(KindsOf(finger), (std::vector<Kind>{Kind::StylusDown, Kind::StylusMove, Kind::StylusMove,
                                                Kind::StylusUp, Kind::StylusDown, Kind::StylusUp, Kind::Settle,
                                                Kind::StylusDown}));
  std::vector<bool> touch;
  for (const ScriptStep& step : finger.steps) touch.push_back(step.touch);
  EXPECT_EQ(touch, (std::vector<bool>{true, true, false, true, true, true, false, false}));
  EXPECT_EQ(finger.steps[1].point, (POINT{3, 4}));
  EXPECT_EQ(finger.steps[3].point, (POINT{5, 6}));

  const ParsedScript bad =
      ParseScript("move 5\nmove 240 0\nwheel\nwheel 0\nwheel 2 7\nwheel x\nwheel 101\nwheel 1 -1 0\n"
                  "touchmove 1\ntouchup 1 320\n", kScreen);
  ASSERT_EQ(bad.errors.size(), 10u);
  EXPECT_TRUE(bad.steps.empty());
  EXPECT_EQ(bad.errors[1].message, "move: point (240, 0) lies outside the 240x320 screen");
  EXPECT_EQ(bad.errors[3].message, "wheel: \"0\" is not a number of notches (-100 to 100, not 0)");
  EXPECT_EQ(bad.errors[8].message, "touchmove: expected \"touchmove X Y\"");
  EXPECT_EQ(bad.errors[9].message, "touchup: point (1, 320) lies outside the 240x320 screen");
}

TEST(Script, CrLfLineEndsMeanWhatLfLineEndsMean) {
  const ParsedScript script = ParseScript("wait\r\nkey RETURN\r\ntap 1 2\r\ntype \r\n", kScreen);
  ASSERT_EQ(script.errors.size(), 1u);
  EXPECT_EQ(script.errors[0].line, 4);
  EXPECT_EQ(KindsOf(script), (std::vector<Kind>{Kind::Settle, Kind::KeyDown, Kind::Settle, Kind::KeyUp, Kind::Settle,
                                                Kind::StylusDown, Kind::StylusUp, Kind::Settle}));
}

TEST(Script, KeyNames) {
  EXPECT_EQ(ParseKeyName("RETURN"), VK_RETURN);
  EXPECT_EQ(ParseKeyName("escape"), VK_ESCAPE);
  EXPECT_EQ(ParseKeyName("BACK"), VK_BACK);
  EXPECT_EQ(ParseKeyName("DOWN"), VK_DOWN);
  EXPECT_EQ(ParseKeyName("7"), UINT('7'));
  EXPECT_EQ(ParseKeyName("q"), UINT('Q'));
  EXPECT_EQ(ParseKeyName("0x36"), 0x36u);
  EXPECT_EQ(ParseKeyName("PageUp"), VK_PRIOR);
  EXPECT_EQ(ParseKeyName("PAGEDOWN"), VK_NEXT);
  EXPECT_EQ(ParseKeyName("plus"), VK_OEM_PLUS);
  EXPECT_EQ(ParseKeyName("SUBTRACT"), VK_SUBTRACT);
  EXPECT_EQ(ParseKeyName("0xFF"), std::nullopt);
  EXPECT_EQ(ParseKeyName("0x"), std::nullopt);
  EXPECT_EQ(ParseKeyName("ENTER"), std::nullopt);
  EXPECT_EQ(ParseKeyName(""), std::nullopt);
}

TEST(Script, DamagedInputIsRefusedAndEchoedSafely) {
  const ParsedScript bad = ParseScript(std::string_view("wheel +-5\nwheel ++5\nke\x1B[2Jy RETURN\nkey A\0B\n", 43), kScreen);
  ASSERT_EQ(bad.errors.size(), 4u);
  EXPECT_EQ(bad.errors[0].message, "wheel: \"+-5\" is not a number of notches (-100 to 100, not 0)");
  EXPECT_EQ(bad.errors[1].line, 2);
  EXPECT_EQ(bad.errors[2].message, "unknown command \"ke\\x1B[2Jy\"");
  EXPECT_EQ(bad.errors[3].message, "key: unknown key \"A\\x00B\"");
}

TEST(Script, TheReaderGivesOneLinesStepsAtATimeAndStopsAtAnOverlongLine) {
  std::istringstream in("\n# note\nwait\n" + std::string(kMaxScriptLineBytes + 1, '#') + "\ntap 1 2");
  ScriptReader reader(in, kScreen);
  std::vector<ScriptStep> steps;
  EXPECT_EQ(reader.Next(steps), std::nullopt);
  ASSERT_EQ(steps.size(), 1u);
  EXPECT_EQ(steps[0].line, 3);
  const std::optional<ScriptError> tooLong = reader.Next(steps);
  ASSERT_TRUE(tooLong);
  EXPECT_EQ(tooLong->line, 4);
  EXPECT_EQ(tooLong->message, "the line is longer than 65536 bytes; the script is read no further");
  EXPECT_TRUE(steps.empty());
  EXPECT_EQ(reader.Next(steps), std::nullopt);
  EXPECT_TRUE(steps.empty()) << "read on past an overlong line";
  // The three short lines, the limit and the one byte that passes it.
  EXPECT_EQ(in.tellg(), std::streampos(13 + kMaxScriptLineBytes + 1)) << "read on past the limit";
}

TEST(Script, AnEmptyScriptHasNoSteps) {
  EXPECT_TRUE(ParseScript("", kScreen).steps.empty());
  EXPECT_TRUE(ParseScript("\n# only a comment\n   \n", kScreen).errors.empty());
}

}  // namespace
