#include "search/SearchEngine.h"

#include <algorithm>
#include <string>

#include "platform/runtime/CaseFold.h"
#include "platform/runtime/CodePage.h"
#include "search/SearchPageTexts.h"

namespace vespera {

namespace {

// A page of 513 items runs to about 65,000 characters; reserving once spares
// the page its regrowth.
constexpr std::size_t kPageUnitsPerItem = 128;

// Collects hits across the sections while the item count allows: a record is
// examined only while no more than kSearchItemLimit items are listed.
class HitCollector {
 public:
  explicit HitCollector(SearchHits& hits) : hits_(hits) {}

  bool UnderLimit() const { return count_ <= static_cast<std::size_t>(kSearchItemLimit); }

  void Add(SearchSection section, std::size_t index) {
    hits_.sections[static_cast<std::size_t>(section)].push_back(static_cast<std::uint32_t>(index));
    ++count_;
  }

  void CollectSlots(SearchSection section, const SlotText& texts, std::string_view query) {
    for (std::size_t slot = texts.FindFrom(query, 0); slot < texts.count() && UnderLimit();
         slot = texts.FindFrom(query, slot + 1)) {
      Add(section, slot);
    }
  }

 private:
  SearchHits& hits_;
  std::size_t count_ = 0;
};

class PageWriter {
 public:
  PageWriter(const SearchIndex& index, bool matchCase) : index_(index), folded_(!matchCase) {}

  void Reserve(std::size_t items) { page_.reserve((items + 1) * kPageUnitsPerItem); }

  void WriteDesignations(const CatalogSearchIndex& catalog, const std::vector<std::uint32_t>& hits,
                         std::u16string_view linkPrefix) {
    const SlotText& shown = catalog.designations(folded_);
    for (const std::uint32_t i : hits) {
      page_ += AnsiToWide(shown.at(i));
      page_ += u"<BR>";
      if (const auto name = catalog.NameRecordOf(i)) {
        page_ += u"Name: <i>";
        page_ += NameText(catalog.store().names[*name]);
        page_ += u"</i><BR>";
      }
      page_ += u"Mag: ";
      AppendMagnitude(catalog.store().objects[i].magnitude());
      page_ += u"<BR>";
      AppendLink(linkPrefix, i);
      page_ += u"<BR>";
    }
  }

  void WriteNames(const CatalogSearchIndex& catalog, const std::vector<std::uint32_t>& hits,
                  std::u16string_view linkPrefix) {
    const SlotText& shown = catalog.names(folded_);
    for (const std::uint32_t j : hits) {
      page_ += AnsiToWide(shown.at(j));
      page_ += u"<BR>";
      if (const auto object = catalog.ObjectOfName(j)) {
        // The object was found by its folded designation, so the key is shown
        // folded whatever the case setting.
        WideString foldedKey = DesignationText(catalog.store().names[j]);
        FoldWide(foldedKey);
        page_ += u"Index in catalog: ";
        page_ += foldedKey;
        page_ += u"<BR>Magnitude: ";
        AppendMagnitude(catalog.store().objects[*object].magnitude());
        page_ += u"<BR>";
        AppendLink(linkPrefix, *object);
      }
      page_ += u"<BR>";
    }
  }

  void WriteConstellations(const std::vector<std::uint32_t>& hits, std::u16string_view linkPrefix) {
    for (const std::uint32_t m : hits) {
      page_ += index_.constellationNames(false)[m];
      page_ += u"<BR>";
      AppendLink(linkPrefix, m);
    }
  }

  void Write(const std::u16string_view text) { page_ += text; }
  WideString Finish() { return std::move(page_); }

 private:
  void AppendAscii(std::string_view ascii) { page_.append(ascii.begin(), ascii.end()); }

  void AppendMagnitude(float magnitude) { AppendAscii(MagnitudeText(magnitude)); }

  void AppendLink(std::u16string_view prefix, std::size_t index) {
    page_ += kResultLinkStart;
    page_ += prefix;
    AppendAscii(std::to_string(index));
    page_ += kResultLinkEnd;
  }

  const SearchIndex& index_;
  bool folded_;
  WideString page_;
};

}  // namespace

std::size_t SearchHits::itemCount() const {
  std::size_t count = 0;
  for (const auto& section : sections) count += section.size();
  return count;
}

SearchHits FindSearchHits(const SearchIndex& index, const WideString& query, bool matchCase) {
  std::string narrowQuery = WideToAnsi(query);
  if (narrowQuery.size() > kNarrowQueryBytes) narrowQuery.resize(kNarrowQueryBytes);
  WideString wideQuery = query;
  if (!matchCase) {
    FoldAnsi(narrowQuery);
    FoldWide(wideQuery);
  }
  const bool folded = !matchCase;

  SearchHits hits;
  HitCollector collector(hits);
  collector.CollectSlots(SearchSection::StarDesignations, index.stars().designations(folded), narrowQuery);
  collector.CollectSlots(SearchSection::StarNames, index.stars().names(folded), narrowQuery);
  collector.CollectSlots(SearchSection::DeepSkyDesignations, index.deepSky().designations(folded), narrowQuery);
  collector.CollectSlots(SearchSection::DeepSkyNames, index.deepSky().names(folded), narrowQuery);
  const std::vector<WideString>& names = index.constellationNames(folded);
  for (std::size_t m = 0; m < names.size() && collector.UnderLimit(); ++m) {
    if (names[m].find(wideQuery) != WideString::npos) collector.Add(SearchSection::Constellations, m);
  }
  return hits;
}

WideString WriteSearchPage(const SearchIndex& index, const SearchHits& hits, bool matchCase) {
  PageWriter page(index, matchCase);
  page.Reserve(hits.itemCount());
  for (std::size_t s = 0; s < kSearchSectionCount; ++s) {
    const auto section = static_cast<SearchSection>(s);
    const SectionTexts& texts = kSectionTexts[s];
    page.Write(texts.heading);
    switch (section) {
      case SearchSection::StarDesignations:
        page.WriteDesignations(index.stars(), hits[section], texts.linkPrefix);
        break;
      case SearchSection::StarNames: page.WriteNames(index.stars(), hits[section], texts.linkPrefix); break;
      case SearchSection::DeepSkyDesignations:
        page.WriteDesignations(index.deepSky(), hits[section], texts.linkPrefix);
        break;
      case SearchSection::DeepSkyNames: page.WriteNames(index.deepSky(), hits[section], texts.linkPrefix); break;
      case SearchSection::Constellations: page.WriteConstellations(hits[section], texts.linkPrefix); break;
    }
    if (hits[section].empty()) page.Write(texts.emptyLine);
  }
  if (hits.stopped()) page.Write(kTooManyItems);
  page.Write(kPageEnd);
  return page.Finish();
}

WideString BuildSearchPage(const WideString& query, bool matchCase, const SearchIndex& index) {
  return WriteSearchPage(index, FindSearchHits(index, query, matchCase), matchCase);
}

WideString BuildSearchPage(const WideString& query, bool matchCase, const CatalogStore& starCatalog,
                           const CatalogStore& deepSkyCatalog,
                           const CatalogStore& constellationLabelCatalog) {
  return BuildSearchPage(query, matchCase, SearchIndex(starCatalog, deepSkyCatalog, constellationLabelCatalog));
}

}  // namespace vespera
