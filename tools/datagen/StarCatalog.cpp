#include "tools/datagen/StarCatalog.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <unordered_map>
#include <unordered_set>

#include "tools/datagen/AnsiText.h"
#include "tools/datagen/GeoJsonPoint.h"

namespace vespera {

namespace {

constexpr std::size_t kMaxDesignation = kDesignationBytes - 1;
constexpr double kNoValue = 1e9;

char SuperscriptDigit(char32_t c) {
  if (c >= U'0' && c <= U'9') return static_cast<char>('0' + (c - U'0'));
  if (c == 0x00B9) return '1';
  if (c == 0x00B2) return '2';
  if (c == 0x00B3) return '3';
  if (c >= 0x2070 && c <= 0x2079) return static_cast<char>('0' + (c - 0x2070));
  return 0;
}

struct BayerLetter {
  std::string text;  // "del", "kap1", "c", "A2"
  bool greek = false;
};

// Letter then optional digits; anything else makes the Bayer field unusable.
std::optional<BayerLetter> ParseBayer(std::string_view utf8) {
  if (utf8.empty()) return std::nullopt;
  std::size_t pos = 0;
  const char32_t letter = NextCodePoint(utf8, pos);
  BayerLetter bayer;
  if (const auto abbreviation = GreekAbbreviation(letter)) {
    bayer.text = *abbreviation;
    bayer.greek = true;
  } else if ((letter >= U'a' && letter <= U'z') || (letter >= U'A' && letter <= U'Z')) {
    bayer.text = static_cast<char>(letter);
  } else {
    return std::nullopt;
  }
  while (pos < utf8.size()) {
    const char digit = SuperscriptDigit(NextCodePoint(utf8, pos));
    if (!digit) return std::nullopt;
    bayer.text += digit;
  }
  return bayer;
}

bool IsFlamsteed(const std::string& text) {
  return !text.empty() && text.size() <= 3 &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsConstellation(const std::string& text) {
  return text.size() == 3 &&
         std::all_of(text.begin(), text.end(), [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); });
}

std::string HipDesignation(long hip) { return "HIP" + std::to_string(hip); }

StarIdentity IdentityOf(long hip, const Json& entry) {
  StarIdentity identity;
  identity.hip = hip;
  identity.flamsteed = TextField(entry, "flam");
  identity.bayer = TextField(entry, "bayer");
  identity.constellation = TextField(entry, "c");
  return identity;
}

struct StarEntry {
  long hip;
  SkyPoint point;
  float magnitude;
};

}  // namespace

std::string StarDesignation(const StarIdentity& star) {
  if (!IsConstellation(star.constellation)) return HipDesignation(star.hip);
  const std::string suffix = " " + star.constellation;
  const bool flamsteed = IsFlamsteed(star.flamsteed);
  const auto bayer = ParseBayer(star.bayer);
  if (bayer && bayer->greek) {
    const std::string full = (flamsteed ? star.flamsteed : "") + bayer->text + suffix;
    if (full.size() <= kMaxDesignation) return full;
    const std::string withoutNumber = bayer->text + suffix;
    if (withoutNumber.size() <= kMaxDesignation) return withoutNumber;
  }
  if (flamsteed) return star.flamsteed + suffix;
  if (bayer && bayer->text.size() + suffix.size() <= kMaxDesignation) return bayer->text + suffix;
  return HipDesignation(star.hip);
}

CatalogTables BuildStarTables(const Json& stars, const Json& starNames, const OtherNames& ours, SkippedEntries& skipped) {
  std::vector<StarEntry> entries;
  const Json& features = Member(stars, "features");
  if (!features.is_array()) {
    skipped.push_back("stars: no feature list");
    return {};
  }
  entries.reserve(features.size());
  for (const Json& feature : features) {
    // Sentinels instead of empty optionals keep the range checks in one place.
    const double hip = NumberField(feature, "id").value_or(-1);
    const double magnitude = NumberField(Member(feature, "properties"), "mag").value_or(kNoValue);
    const auto point = PointOfFeature(feature);
    if (hip < 1 || hip > 999999 || hip != std::floor(hip) || !point || std::fabs(magnitude) > 30) {
      skipped.push_back("star " + Member(feature, "id").dump() + ": no valid number, position or magnitude");
      continue;
    }
    entries.push_back({static_cast<long>(hip), *point, static_cast<float>(magnitude)});
  }
  std::stable_sort(entries.begin(), entries.end(), [](const StarEntry& a, const StarEntry& b) {
    return a.magnitude != b.magnitude ? a.magnitude < b.magnitude : a.hip < b.hip;
  });

  CatalogTables tables;
  tables.objects.reserve(entries.size());
  std::unordered_set<std::string> taken;
  std::unordered_map<long, std::string> designationOf;
  for (const StarEntry& star : entries) {
    const std::string key = std::to_string(star.hip);
    const Json& known = Member(starNames, key);
    std::string designation = StarDesignation(IdentityOf(star.hip, known));
    // The package gives some designations to two or three stars, mostly the
    // components of a double. The brightest, which comes first, is the star
    // the designation means unless our file names another owner; the others
    // keep their Hipparcos numbers so a search or a name never leads to the
    // wrong one.
    const auto owner = ours.starDesignationOwners.find(designation);
    const bool someoneElses = owner != ours.starDesignationOwners.end() && owner->second != star.hip;
    if (someoneElses || !taken.insert(designation).second) designation = HipDesignation(star.hip);
    designationOf.emplace(star.hip, designation);
    tables.objects.push_back(MakeObjectRecord(star.point.ra, star.point.dec, star.magnitude, designation));
    const std::string name = Utf8ToAnsiSpelled(TextField(known, "name"));
    if (!name.empty()) tables.names.push_back(MakeNameRecord(designation, name));
  }
  for (const auto& [designation, hip] : ours.starDesignationOwners) {
    const auto star = designationOf.find(hip);
    if (star == designationOf.end() || star->second != designation)
      throw std::runtime_error("names file: HIP " + std::to_string(hip) + " does not carry the designation " + designation);
  }
  for (const StarOtherNames& extra : ours.stars) {
    const auto star = designationOf.find(extra.hip);
    if (star == designationOf.end())
      throw std::runtime_error("names file: star HIP " + std::to_string(extra.hip) + " is not in the catalogue");
    for (const std::string& name : extra.names) tables.names.push_back(MakeNameRecord(star->second, Utf8ToAnsiSpelled(name)));
  }
  return tables;
}

}  // namespace vespera
