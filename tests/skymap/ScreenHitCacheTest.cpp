#include "skymap/ScreenHitCache.h"

#include <gtest/gtest.h>

#include <climits>

using namespace vespera;

namespace {

TEST(ScreenHitCache, HitBoxIsHalfOpenFourPixelsASide) {
  DeepSkyHitCache cache;
  cache.Append({100, 50, 7});
  EXPECT_EQ(FindDeepSkyAt(cache, 98, 48).index, 7);
  EXPECT_EQ(FindDeepSkyAt(cache, 101, 51).index, 7);
  EXPECT_EQ(FindDeepSkyAt(cache, 102, 50).index, kNoHit);
  EXPECT_EQ(FindDeepSkyAt(cache, 100, 52).index, kNoHit);
  EXPECT_EQ(FindDeepSkyAt(cache, 97, 50).index, kNoHit);
  EXPECT_EQ(FindDeepSkyAt(cache, 100, 47).index, kNoHit);
}

TEST(ScreenHitCache, FirstEntryInCacheOrderWinsAnOverlap) {
  StarHitCache cache;
  cache.Append({10, 10, 3});
  cache.Append({11, 11, 9});
  EXPECT_EQ(FindStarAt(cache, 11, 11), (ScreenHit{10, 10, 3}));
  EXPECT_EQ(FindStarAt(cache, 12, 12), (ScreenHit{11, 11, 9}));
}

TEST(ScreenHitCache, FullCacheRecordsNothingMoreAndClearForgetsEntries) {
  StarHitCache stars;
  for (int i = 0; i < 6000; ++i) EXPECT_TRUE(stars.Append({i % 240, i / 240, i}));
  EXPECT_FALSE(stars.Append({500, 500, 6000}));
  EXPECT_EQ(stars.count(), 6000u);
  EXPECT_EQ(FindStarAt(stars, 500, 500).index, kNoHit);

  DeepSkyHitCache deepSky;
  for (int i = 0; i < 1000; ++i) deepSky.Append({0, 0, i});
  EXPECT_FALSE(deepSky.Append({0, 0, 1000}));

  stars.Clear();
  EXPECT_EQ(stars.count(), 0u);
  EXPECT_EQ(FindStarAt(stars, 0, 0).index, kNoHit);  // stale entries are never read
}

TEST(ScreenHitCache, ExtremeTapsDoNotOverflow) {
  StarHitCache cache;
  cache.Append({INT_MIN + 1, INT_MAX - 1, 1});
  EXPECT_EQ(FindStarAt(cache, INT_MAX, INT_MIN).index, kNoHit);
  EXPECT_EQ(FindStarAt(cache, INT_MIN, INT_MAX).index, 1);
}

}  // namespace
