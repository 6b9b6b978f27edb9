#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>
#include <vector>

#include "skymap/SecondCore.h"

using namespace vespera;

namespace {

TEST(SecondCore, WithASecondCoreTheirShareRunsElsewhereAndIsDoneOnReturn) {
  SecondCore core(2);
  ASSERT_TRUE(core.Available());
  std::thread::id theirs;
  std::vector<int> written(1000, 0);
  core.Share([] {},
             [&] {
               // Slow on purpose: Share must not return before this ends.
               std::this_thread::sleep_for(std::chrono::milliseconds(20));
               for (int& value : written) value = 7;
               theirs = std::this_thread::get_id();
             });
  EXPECT_NE(theirs, std::this_thread::get_id());
  EXPECT_EQ(std::count(written.begin(), written.end(), 7), 1000);
}

TEST(SecondCore, OnOneCoreBothSharesRunHereMineFirst) {
  for (const unsigned cores : {0u, 1u}) {
    SecondCore core(cores);
    EXPECT_FALSE(core.Available());
    std::vector<std::thread::id> order;
    core.Share([&] { order.push_back(std::this_thread::get_id()); },
               [&] { order.push_back(std::thread::id()); });
    ASSERT_EQ(order.size(), 2u);
    EXPECT_EQ(order[0], std::this_thread::get_id());
    EXPECT_EQ(order[1], std::thread::id());
  }
}

TEST(SecondCore, ManyJobsInARowEachSeeTheirOwnData) {
  SecondCore core(2);
  long long mine = 0;
  long long theirs = 0;
  for (int job = 1; job <= 2000; ++job) {
    core.Share([&] { mine += job; }, [&] { theirs += 2 * job; });
    ASSERT_EQ(theirs, 2 * mine) << "job " << job;
  }
}

TEST(SecondCore, WhenMyShareThrowsTheirsIsStillWaitedFor) {
  SecondCore core(2);
  std::atomic<bool> finished{false};
  EXPECT_THROW(core.Share([] { throw std::runtime_error("mine failed"); },
                          [&] {
                            std::this_thread::sleep_for(std::chrono::milliseconds(20));
                            finished = true;
                          }),
               std::runtime_error);
  EXPECT_TRUE(finished);
  // And the core still takes work afterwards.
  int later = 0;
  core.Share([] {}, [&] { later = 1; });
  EXPECT_EQ(later, 1);
}

}  // namespace
