// Latitude and longitude text, the `--place` option, the zone table's cities
// and the default place of the system's time zone.

#include <gtest/gtest.h>

#include <string>

#include "ephemeris/PlaceText.h"
#include "ephemeris/SystemZone.h"
#include "tests/support/ScratchFolder.h"

using namespace vespera;

namespace {

constexpr double kArcsecondInDegrees = 1.0 / 3600.0;

// A few lines in the layout of tzdata's table: comments, a six-digit and a
// seven-digit coordinate pair, a three-part zone name and a comment column.
constexpr const char* kZoneTable =
    "# tzdb timezone descriptions\n"
    "#codes\tcoordinates\tTZ\tcomments\n"
    "FR,MC\t+4852+00220\tEurope/Paris\n"
    "AR\t-3436-05827\tAmerica/Argentina/Buenos_Aires\tBuenos Aires (BA, CF)\n"
    "US\t+404251-0740023\tAmerica/New_York\tEastern (most areas)\n"
    "\n"
    "CA\t+4734-05243\tAmerica/St_Johns\tNewfoundland\n";

}  // namespace

TEST(PlaceTextTest, ReadsDecimalDegreesAndDegreesMinutesWithHemisphere) {
  struct Case {
    const char* text;
    double latitude;
  };
  const Case kLatitudes[] = {
      {"48.85", 48.85},          {"-33.9", -33.9},          {" +12 ", 12.0},
      {"48 51 N", 48.85},        {"48°51'N", 48.85},        {"48\xB0" "51'N", 48.85},
      {"48 51 30 n", 48.858333333}, {"33 54 S", -33.9},     {"48d51.5'N", 48.858333333},
      {"90 N", 90.0},            {"0", 0.0},
  };
  for (const Case& c : kLatitudes) {
    SCOPED_TRACE(c.text);
    const Expected<double> latitude = ParseLatitude(c.text);
    ASSERT_TRUE(latitude) << latitude.reason();
    EXPECT_NEAR(*latitude, c.latitude, kArcsecondInDegrees / 100);
  }
  EXPECT_NEAR(*ParseLongitude("2 21 E"), 2.35, 1e-12);
  EXPECT_NEAR(*ParseLongitude("71°05'W"), -71.0 - 5.0 / 60, 1e-12);
  EXPECT_NEAR(*ParseLongitude("-179.5"), -179.5, 1e-12);
}

TEST(PlaceTextTest, RefusesWhatIsNotAPlaceWithTheReason) {
  struct Case {
    const char* text;
    bool latitude;
    const char* reasonPart;
  };
  const Case kCases[] = {
      {"95 N", true, "between 90 S and 90 N"},
      {"-90.5", true, "between 90 S and 90 N"},
      {"181 E", false, "between 180 W and 180 E"},
      {"abc", true, "decimal degrees or degrees and minutes"},
      {"", true, "decimal degrees"},
      {"48 60 N", true, "minutes must be less than 60"},
      {"48 51 60 N", true, "seconds must be less than 60"},
      {"48.5 30 N", true, "decimal point"},
      {"48 51 E", true, "takes N or S"},
      {"2 21 N", false, "takes E or W"},
      {"-48 51 N", true, "not both"},
      {"48 51 N x", true, "decimal degrees"},
      {"1e2", true, "decimal degrees"},
      {"inf", true, "decimal degrees"},
      {"4.8.8", true, "decimal degrees"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.text);
    const Expected<double> parsed = c.latitude ? ParseLatitude(c.text) : ParseLongitude(c.text);
    ASSERT_FALSE(parsed);
    EXPECT_NE(parsed.reason().find(c.reasonPart), std::string::npos) << parsed.reason();
  }
}

TEST(PlaceTextTest, PlaceOptionSplitsAtTheOneComma) {
  const Expected<Place> paris = ParsePlaceOption("48 51 N,2 21 E");
  ASSERT_TRUE(paris) << paris.reason();
  EXPECT_NEAR(paris->latitudeDegrees, 48.85, 1e-12);
  EXPECT_NEAR(paris->longitudeDegrees, 2.35, 1e-12);
  EXPECT_EQ(*ParsePlaceOption("-33.9,151.2"), (Place{-33.9, 151.2}));
  EXPECT_NE(ParsePlaceOption("48.85").reason().find("LAT,LON"), std::string::npos);
  EXPECT_NE(ParsePlaceOption("48,85,2").reason().find("LAT,LON"), std::string::npos);
  EXPECT_NE(ParsePlaceOption("95,2").reason().find("latitude"), std::string::npos);
  EXPECT_NE(ParsePlaceOption("45,abc").reason().find("longitude"), std::string::npos);
}

TEST(ZoneCitiesTest, ReadsTheTableSortedByCity) {
  ScratchFolder folder;
  const Expected<std::vector<ZoneCity>> cities = ReadZoneCities(folder.Write("zone1970.tab", kZoneTable));
  ASSERT_TRUE(cities) << cities.reason();
  ASSERT_EQ(cities->size(), 4u);
  EXPECT_EQ((*cities)[0].city, "Buenos Aires");
  EXPECT_EQ((*cities)[0].zone, "America/Argentina/Buenos_Aires");
  EXPECT_NEAR((*cities)[0].place.latitudeDegrees, -(34.0 + 36.0 / 60), 1e-12);
  EXPECT_NEAR((*cities)[0].place.longitudeDegrees, -(58.0 + 27.0 / 60), 1e-12);
  EXPECT_EQ((*cities)[1].city, "New York");
  EXPECT_NEAR((*cities)[1].place.latitudeDegrees, 40.0 + 42.0 / 60 + 51.0 / 3600, 1e-12);
  EXPECT_NEAR((*cities)[1].place.longitudeDegrees, -(74.0 + 0.0 / 60 + 23.0 / 3600), 1e-12);
  EXPECT_EQ((*cities)[2].city, "Paris");
  EXPECT_EQ((*cities)[3].city, "St Johns");

  EXPECT_FALSE(ReadZoneCities(folder.File("missing.tab")));
  const char* kDamaged[] = {"FR\t+48520+00220\tEurope/Paris\n", "FR\t+4872+00220\tEurope/Paris\n",
                            "FR\t4852+00220\tEurope/Paris\n", "FR\t+4852+00220\n"};
  for (const char* line : kDamaged) {
    SCOPED_TRACE(line);
    const Expected<std::vector<ZoneCity>> damaged = ParseZoneCities(std::string("# head\n") + line);
    ASSERT_FALSE(damaged);
    EXPECT_NE(damaged.reason().find("line 2"), std::string::npos) << damaged.reason();
  }
}

TEST(SystemZoneTest, ZoneComesFromTzThenTheLocaltimeLinkThenTheTimezoneFile) {
  EXPECT_EQ(ZoneNameOf({":Europe/Paris", "/usr/share/zoneinfo/America/New_York", "Asia/Tokyo\n"}), "Europe/Paris");
  EXPECT_EQ(ZoneNameOf({"/usr/share/zoneinfo/right/Europe/Paris", std::nullopt, std::nullopt}), "Europe/Paris");
  EXPECT_EQ(ZoneNameOf({std::nullopt, "../usr/share/zoneinfo/America/New_York", "Asia/Tokyo"}), "America/New_York");
  EXPECT_EQ(ZoneNameOf({std::nullopt, "/usr/share/zoneinfo/posix/America/New_York", std::nullopt}), "America/New_York");
  EXPECT_EQ(ZoneNameOf({"", "/usr/share/zoneinfo/America/New_York", std::nullopt}), std::nullopt);
  EXPECT_EQ(ZoneNameOf({std::nullopt, "/some/other/file", " Asia/Tokyo \n"}), "Asia/Tokyo");
  EXPECT_EQ(ZoneNameOf({std::nullopt, std::nullopt, std::nullopt}), std::nullopt);

  const std::vector<ZoneCity> cities = *ParseZoneCities(kZoneTable);
  const DefaultPlace paris = DefaultPlaceOf("Europe/Paris", cities);
  EXPECT_TRUE(paris.foundCity);
  EXPECT_EQ(paris.city, "Paris");
  EXPECT_NEAR(paris.place.latitudeDegrees, 48.0 + 52.0 / 60, 1e-12);
  for (const std::optional<std::string>& zone : {std::optional<std::string>("Etc/UTC"), std::optional<std::string>()}) {
    const DefaultPlace none = DefaultPlaceOf(zone, cities);
    EXPECT_FALSE(none.foundCity);
    EXPECT_EQ(none.place, (Place{0.0, 0.0}));
  }
}
