// Rise, transit and set, twilights and polar day and night.

#include <gtest/gtest.h>

#include <vector>

#include "ephemeris/DailyEvents.h"

using namespace vespera;
using namespace std::chrono;

namespace {

UtcInstant At(int y, unsigned m, unsigned d, int hour = 0, int minute = 0) {
  return UtcInstant(sys_days(year(y) / month(m) / day(d)).time_since_epoch() + hours(hour) + minutes(minute));
}

long SecondsFrom(const std::optional<UtcInstant>& event, UtcInstant expected) {
  return event ? static_cast<long>((*event - expected).count()) : 1000000L;
}

constexpr Place kBoston{42.0 + 20.0 / 60, -(71.0 + 5.0 / 60)};
constexpr Place kParis{48.85, 2.35};

}  // namespace

TEST(DailyEventsTest, VenusAtBostonMatchesTheWorkedExample) {
  // 1988 March 20: rises 12:25, transits 19:41 and sets 02:55 UT.
  const Expected<DailyEvents> venus = EventsOfBody(Body::Venus, At(1988, 3, 20), kBoston);
  ASSERT_TRUE(venus) << venus.reason();
  EXPECT_EQ(venus->course, DayCourse::RisesAndSets);
  EXPECT_LE(std::abs(SecondsFrom(venus->rise, At(1988, 3, 20, 12, 25))), 60);
  EXPECT_LE(std::abs(SecondsFrom(venus->transit, At(1988, 3, 20, 19, 41))), 60);
  EXPECT_LE(std::abs(SecondsFrom(venus->set, At(1988, 3, 20, 2, 55))), 60);
}

TEST(DailyEventsTest, PolarDayAndNightAtEightyNorth) {
  const Place north{80.0, 15.0};
  const Expected<DailyEvents> june = EventsOfBody(Body::Sun, At(2026, 6, 21), north);
  ASSERT_TRUE(june);
  EXPECT_EQ(june->course, DayCourse::AlwaysUp);
  EXPECT_FALSE(june->rise || june->set);
  EXPECT_TRUE(june->transit);
  const Expected<DailyEvents> december = EventsOfBody(Body::Sun, At(2026, 12, 21), north);
  ASSERT_TRUE(december);
  EXPECT_EQ(december->course, DayCourse::NeverRises);
  EXPECT_FALSE(december->rise || december->set);
  // In the December night the Sun still climbs above -18 degrees at noon, not above -6.
  const Expected<Twilights> twilights = TwilightsOf(At(2026, 12, 21), north);
  ASSERT_TRUE(twilights);
  EXPECT_EQ(twilights->civil.course, DayCourse::NeverRises);
  EXPECT_EQ(twilights->astronomical.course, DayCourse::RisesAndSets);
}

TEST(DailyEventsTest, TwilightsFollowSunsetInOrder) {
  // A day from noon at Paris near the equinox: sunset, the three ends of
  // dusk, then the three starts of dawn and sunrise the next morning.
  const UtcInstant noon = At(2026, 3, 20, 12, 0);
  const Expected<DailyEvents> sun = EventsOfBody(Body::Sun, noon, kParis);
  const Expected<Twilights> twilights = TwilightsOf(noon, kParis);
  ASSERT_TRUE(sun && twilights);
  const std::optional<UtcInstant> order[] = {sun->set,
                                             twilights->civil.set,
                                             twilights->nautical.set,
                                             twilights->astronomical.set,
                                             twilights->astronomical.rise,
                                             twilights->nautical.rise,
                                             twilights->civil.rise,
                                             sun->rise};
  for (std::size_t i = 0; i < std::size(order); ++i) {
    SCOPED_TRACE(i);
    ASSERT_TRUE(order[i]);
    if (i > 0) {
      EXPECT_LT(*order[i - 1], *order[i]);
    }
  }
  // Civil twilight lasts about half an hour at the equinox at this latitude.
  EXPECT_NEAR(static_cast<double>((*twilights->civil.set - *sun->set).count()), 32 * 60.0, 5 * 60.0);
  EXPECT_LE(std::abs(SecondsFrom(sun->set, At(2026, 3, 20, 18, 3))), 5 * 60);
}

TEST(DailyEventsTest, FixedDirectionsRiseNeverOrAlways) {
  // A star on the equator seen from the equator is up for 12 sidereal hours
  // plus twice the 0.5667 degrees of refraction: 12h02m33s of solar time.
  const Place equator{0.0, 30.0};
  const Expected<DailyEvents> onEquator =
      EventsOfDirection(DirectionOf(RaDec{1.0, 0.0}), At(2026, 3, 1), equator);
  ASSERT_TRUE(onEquator && onEquator->rise && onEquator->set);
  long up = static_cast<long>((*onEquator->set - *onEquator->rise).count());
  if (up < 0) up += 86164;  // set before rise: the set belongs to the next pass
  EXPECT_NEAR(static_cast<double>(up), 12 * 3600 + 2 * 60 + 33, 10.0);

  EXPECT_EQ(EventsOfDirection(DirectionOf(RaDec{0.7, 1.5}), At(2026, 3, 1), kParis)->course, DayCourse::AlwaysUp);
  EXPECT_EQ(EventsOfDirection(DirectionOf(RaDec{0.7, -1.4}), At(2026, 3, 1), kParis)->course, DayCourse::NeverRises);
}

TEST(DailyEventsTest, TheMoonRisesOnceADayExceptOnceAMonth) {
  // The Moon comes back about 50 minutes later each day, so in 31 days it
  // rises 30 times: one day has no moonrise and none has two.
  std::vector<UtcInstant> rises;
  for (int d = 0; d < 31; ++d) {
    const Expected<DailyEvents> moon = EventsOfBody(Body::Moon, At(2026, 1, 1) + days(d), kParis);
    ASSERT_TRUE(moon);
    if (moon->rise) rises.push_back(*moon->rise);
  }
  ASSERT_EQ(rises.size(), 30u);
  for (std::size_t i = 1; i < rises.size(); ++i) {
    SCOPED_TRACE(i);
    const long gap = static_cast<long>((rises[i] - rises[i - 1]).count());
    EXPECT_GT(gap, 24 * 3600 + 10 * 60);
    EXPECT_LT(gap, 25 * 3600 + 30 * 60);
  }
  EXPECT_NEAR(MoonStandardAltitudeDegrees(384400.0 / 149597870.7), 0.125, 0.005);
}
