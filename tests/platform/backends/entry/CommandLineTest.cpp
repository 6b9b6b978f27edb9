#include <gtest/gtest.h>

#include "platform/backends/entry/CommandLine.h"

namespace {

CommandLine Parse(std::vector<std::string> arguments) { return ParseCommandLine(arguments); }

TEST(CommandLine, DefaultsDescribeA480By640PocketPcAt32Bits) {
  const CommandLine line = Parse({});
  ASSERT_TRUE(line.options);
  EXPECT_EQ(line.options->device.width, 480);
  EXPECT_EQ(line.options->device.height, 640);
  EXPECT_EQ(line.options->device.bitsPerPixel, 32);
  EXPECT_EQ(line.options->device.platformType, u"PocketPC");
  EXPECT_FALSE(line.options->headless);
  // Not given: a window may take the display's own size.
  EXPECT_FALSE(line.options->screenGiven);
  EXPECT_FALSE(line.options->fullscreen);
}

TEST(CommandLine, OptionsTakeTheirValueSeparatelyOrAfterAnEqualsSign) {
  const CommandLine line = Parse({"--screen", "240x320", "--platform=Smartphone", "--depth", "16", "--profile",
                                  "/tmp/p.ini", "--scale=2", "--headless", "--script", "-"});
  ASSERT_TRUE(line.options) << line.error;
  EXPECT_EQ(line.options->device.width, 240);
  EXPECT_EQ(line.options->device.height, 320);
  EXPECT_EQ(line.options->device.platformType, u"Smartphone");
  EXPECT_EQ(line.options->device.bitsPerPixel, 16);
  EXPECT_EQ(line.options->profileFile, "/tmp/p.ini");
  EXPECT_EQ(line.options->scale, 2);
  EXPECT_TRUE(line.options->headless);
  EXPECT_EQ(line.options->scriptPath, "-");
  EXPECT_TRUE(line.options->screenGiven);
  EXPECT_TRUE(Parse({"--fullscreen"}).options->fullscreen);
  EXPECT_FALSE(Parse({"--fullscreen=1"}).options);
}

TEST(CommandLine, BadOptionsNameTheProblem) {
  EXPECT_EQ(Parse({"--screen", "480"}).error, "--screen: expected WxH with sides from 1 to 4096 pixels, got \"480\"");
  EXPECT_FALSE(Parse({"--screen", "0x10"}).options);
  EXPECT_FALSE(Parse({"--screen", "5000x10"}).options);
  EXPECT_EQ(Parse({"--depth", "24"}).error, "--depth: expected 16 or 32, got \"24\"");
  EXPECT_EQ(Parse({"--scale"}).error, "--scale: missing value");
  EXPECT_FALSE(Parse({"--scale", "0"}).options);
  EXPECT_EQ(Parse({"--phone", "maybe"}).error, "--phone: expected yes or no, got \"maybe\"");
  EXPECT_EQ(Parse({"--phone=no"}).options->phoneDisplay, false);
  EXPECT_EQ(Parse({"--headless"}).error, "--headless requires --script FILE");
  EXPECT_EQ(Parse({"--fast"}).error, "unknown option --fast");
  EXPECT_EQ(Parse({"--help=yes"}).error, "--help: takes no value");
  EXPECT_EQ(Parse({"extra"}).error, "unexpected argument \"extra\" (the program takes no arguments)");
  EXPECT_FALSE(Parse({"--platform", std::string(127, 'x')}).options);
}

TEST(CommandLine, TheProgramsOwnOptionsAreParsedWithThePlatformsAndListedInItsUsage) {
  ProgramDescription program;
  program.commandName = "skyprog";
  program.summary = "A test program.";
  program.settingsFileDefault = "~/.skyprog.ini";
  program.options = {{"--place", "LAT,LON", "where the observer is"},
                     {"--night", "", "start at night"},
                     {"--dim", "PERCENT", "dim the screen", true}};

  const CommandLine line = ParseCommandLine(std::vector<std::string>{"--place", "48.8,2.3", "--night", "--depth=16"},
                                            program);
  ASSERT_TRUE(line.options) << line.error;
  EXPECT_EQ(line.options->programOptions.at("--place"), "48.8,2.3");
  EXPECT_EQ(line.options->programOptions.at("--night"), "");
  EXPECT_EQ(line.options->device.bitsPerPixel, 16);
  EXPECT_EQ(ParseCommandLine(std::vector<std::string>{"--place"}, program).error, "--place: missing value");
  EXPECT_EQ(ParseCommandLine(std::vector<std::string>{"--night=1"}, program).error, "--night: takes no value");
  // An optional value comes only after '=': the next argument stays an option of its own.
  const CommandLine dim = ParseCommandLine(std::vector<std::string>{"--dim", "--night"}, program);
  ASSERT_TRUE(dim.options) << dim.error;
  EXPECT_EQ(dim.options->programOptions.at("--dim"), "");
  EXPECT_EQ(dim.options->programOptions.count("--night"), 1u);
  EXPECT_EQ(ParseCommandLine(std::vector<std::string>{"--dim=30"}, program).options->programOptions.at("--dim"), "30");
  // Without the program's description the platform knows no such option.
  EXPECT_EQ(Parse({"--night"}).error, "unknown option --night");

  const std::string usage = UsageText(program);
  EXPECT_EQ(usage.rfind("Usage: skyprog [OPTION]...\nA test program.\n", 0), 0u) << usage;
  EXPECT_NE(usage.find("  --profile FILE     settings file (default ~/.skyprog.ini)\n"), std::string::npos);
  EXPECT_NE(usage.find("  --place LAT,LON    where the observer is\n"), std::string::npos);
  EXPECT_NE(usage.find("  --night            start at night\n"), std::string::npos);
  EXPECT_NE(usage.find("  --dim[=PERCENT]    dim the screen\n"), std::string::npos);
  EXPECT_NE(usage.find("  --screen WxH       screen size in pixels (default 480x640; in a window, the\n"
                       "                     display's own size where 480x640 does not fit)\n"),
            std::string::npos);
  EXPECT_NE(usage.find("  -h, --help         show this help and exit\n"), std::string::npos);
}

}  // namespace
