// BuildSearchPage over the index of a catalogue of the size the program
// ships: 120,000 stars (4,000 of them with Bayer-Flamsteed designations and
// common names) and 8,000 deep-sky objects, each with a name, plus the 88
// constellations.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "search/SearchEngine.h"

using namespace vespera;

namespace {

constexpr int kStarCount = 120000;
constexpr int kNamedStarCount = 4000;
constexpr int kDeepSkyCount = 8000;
constexpr int kConstellationCount = 88;

constexpr const char* kGreek[] = {"alp", "bet", "gam", "del", "eps", "zet", "eta", "the",
                                  "iot", "kap", "lam", "mu",  "nu",  "xi",  "omi", "pi"};
constexpr const char* kConstellationAbbreviations[] = {"And", "Aql", "Cyg", "Lyr", "Ori", "UMa",
                                                       "Sco", "Tau", "Gem", "Leo", "Vir", "Cas"};
// No syllable holds a "j", so a "j" query scans every table without a hit.
constexpr const char* kSyllables[] = {"ka", "ro", "mi", "sel", "tar", "ne", "vo", "lu",
                                      "ash", "din", "or", "pe", "gu", "thy", "be", "ces"};

// A small deterministic generator, so every run measures the same catalogue.
class Syllables {
 public:
  std::string Word(int syllables) {
    std::string word;
    for (int i = 0; i < syllables; ++i) word += kSyllables[Next() % 16];
    word[0] = static_cast<char>(word[0] - 'a' + 'A');
    return word;
  }

 private:
  std::uint32_t Next() {
    state_ = state_ * 1664525u + 1013904223u;
    return state_ >> 16;
  }
  std::uint32_t state_ = 12345;
};

struct BenchCatalog {
  CatalogStore stars;
  CatalogStore deepSky;
  CatalogStore labels;

  BenchCatalog() {
    Syllables words;
    for (int i = 0; i < kStarCount; ++i) {
      SkyObjectRecord star;
      const std::string designation =
          i < kNamedStarCount ? std::to_string(i % 90 + 1) + kGreek[i % 16] + " " +
                                    kConstellationAbbreviations[(i / 16) % 12]
                              : "HIP" + std::to_string(i);
      star.SetDesignation(designation);
      star.SetMagnitude(static_cast<float>(i % 1300) / 100.0f - 1.5f);
      stars.objects.Append(star);
      if (i < kNamedStarCount) {
        ObjectNameRecord name;
        name.SetDesignation(designation);
        name.SetName(words.Word(2 + i % 3));
        stars.names.Append(name);
      }
    }
    for (int i = 0; i < kDeepSkyCount; ++i) {
      SkyObjectRecord object;
      const std::string designation = i < 7840 ? std::to_string(i + 1) : "IC " + std::to_string(i - 7839);
      object.SetDesignation(designation);
      object.SetMagnitude(static_cast<float>(i % 900) / 100.0f + 4.0f);
      deepSky.objects.Append(object);
      ObjectNameRecord name;
      name.SetDesignation(designation);
      name.SetName(words.Word(2) + " " + words.Word(3) + " Nebula");
      deepSky.names.Append(name);
    }
    for (int i = 0; i < kConstellationCount; ++i) {
      ConstellationLabel label;
      const std::string name = words.Word(3);
      label.SetFullName(WideString(name.begin(), name.end()));
      labels.labels.Append(label);
    }
  }
};

void SearchOneLetter(benchmark::State& state, const char16_t* letter) {
  const BenchCatalog catalog;
  const SearchIndex index(catalog.stars, catalog.deepSky, catalog.labels);
  const WideString query(letter);
  std::size_t pageUnits = 0;
  for (auto _ : state) {
    const WideString page = BuildSearchPage(query, false, index);
    pageUnits = page.size();
    benchmark::DoNotOptimize(page.data());
  }
  state.counters["page_units"] = static_cast<double>(pageUnits);
}

// "a" fills the page to its item limit within the star designations; "j"
// finds nothing and so scans all five sections to their ends. The index is
// made once, outside the measured loop, as the program makes it once.
BENCHMARK_CAPTURE(SearchOneLetter, common_letter_a, u"a")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SearchOneLetter, absent_letter_j, u"j")->Unit(benchmark::kMillisecond);

}  // namespace
