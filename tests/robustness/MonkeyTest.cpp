// The short monkey run of the test suite: 2,000 random steps per device,
// half with red-screen mode off and half with it on at the start. The seed is
// fixed so a failure repeats; VESPERA_MONKEY_SEED picks another.

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <string>

#include "tests/robustness/MonkeyRun.h"

using namespace vespera;

namespace {

constexpr int kStepsPerMode = 1000;

std::uint64_t Seed() {
  const char* chosen = std::getenv("VESPERA_MONKEY_SEED");
  return chosen ? std::strtoull(chosen, nullptr, 10) : 20240611u;
}

class MonkeyTest : public ::testing::TestWithParam<DeviceChoice> {};

TEST_P(MonkeyTest, RandomInputEndsNormallyAndKeepsTheSettings) {
  for (const bool red : {false, true}) {
    ProgramSandbox sandbox(StagedProgramDir(), TestedExecutable());
    MonkeyOptions options;
    options.seed = Seed() + (red ? 1 : 0);
    options.steps = kStepsPerMode;
    options.device = GetParam();
    options.redScreen = red;
    std::cout << "monkey seed " << options.seed << " on " << options.device.name << ", red mode "
              << (red ? "on" : "off") << "\n";
    const MonkeyReport report = RunMonkey(sandbox, options);
    EXPECT_EQ(report.failure, "");
    EXPECT_GE(report.runs, 1);
  }
}

INSTANTIATE_TEST_SUITE_P(Devices, MonkeyTest, ::testing::ValuesIn(SupportedDevices()),
                         [](const ::testing::TestParamInfo<DeviceChoice>& info) {
                           std::string name;
                           for (const char c : info.param.name)
                             if (std::isalnum(static_cast<unsigned char>(c))) name += c;
                           return name;
                         });

}  // namespace
