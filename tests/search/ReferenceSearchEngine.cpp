// The search engine as it was before the index: five linear scans over the
// records, a name scan per designation hit and an object scan per name hit.
// Kept for the tests and benchmarks that hold the indexed engine beside it.

#include "tests/search/ReferenceSearchEngine.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/runtime/CaseFold.h"
#include "platform/runtime/CodePage.h"
#include "search/SearchPageTexts.h"

namespace vespera {

namespace {

// Candidates are copied into buffers one byte longer than their widest copy,
// cleared before each copy, so every copy is terminated even when a damaged
// record fills its field.
constexpr std::size_t kDesignationBufferBytes = 12;
constexpr std::size_t kNameBufferBytes = kShownNameBytes + 1;


void AppendAscii(WideString& page, std::string_view ascii) { page.append(ascii.begin(), ascii.end()); }

void AppendDecimal(WideString& page, std::size_t value) { AppendAscii(page, std::to_string(value)); }

// "%.2f" of the magnitude widened to double; 64 bytes hold even FLT_MAX.
void AppendMagnitude(WideString& page, float magnitude) {
  if (IsPlaceholderMagnitude(magnitude)) {  // no magnitude at all
    page += u"unknown";
    return;
  }
  char text[64];
  const int length = std::snprintf(text, sizeof text, "%.2f", static_cast<double>(magnitude));
  AppendAscii(page, std::string_view(text, static_cast<std::size_t>(std::max(length, 0))));
}

void AppendLink(WideString& page, std::u16string_view prefix, std::size_t index) {
  page += kResultLinkStart;
  page += prefix;
  AppendDecimal(page, index);
  page += kResultLinkEnd;
}

// Copies at most maxBytes of a NUL-terminated ANSI field into buffer and
// folds the copy when asked; the result views the terminated copy.
template <std::size_t N>
std::string_view CopyField(std::array<char, N>& buffer, const char* field, std::size_t maxBytes,
                           bool fold) {
  static_assert(N > 0);
  buffer.fill('\0');
  std::memcpy(buffer.data(), field, std::min(maxBytes, N - 1));
  if (fold) FoldAnsi(buffer.data());
  return std::string_view(buffer.data());
}

class SearchRun {
 public:
  SearchRun(const WideString& query, bool matchCase)
      : matchCase_(matchCase), narrowQuery_(WideToAnsi(query)), wideQuery_(query) {
    if (narrowQuery_.size() > kNarrowQueryBytes) narrowQuery_.resize(kNarrowQueryBytes);
    if (!matchCase_) {
      FoldAnsi(narrowQuery_);
      FoldWide(wideQuery_);
    }
  }

  void SearchDesignations(const CatalogStore& catalog, const SectionTexts& texts) {
    RunSection(texts, [&] {
      std::array<char, kDesignationBufferBytes> copy;
      for (std::size_t i = 0; i < catalog.objects.count() && UnderLimit(); ++i) {
        const SkyObjectRecord& record = catalog.objects[i];
        const std::string_view candidate =
            CopyField(copy, record.designation(), kDesignationBytes, !matchCase_);
        if (!Matches(candidate)) continue;
        page_ += AnsiToWide(candidate);
        page_ += u"<BR>";
        WideString name;
        if (catalog.FindName(DesignationText(record), name)) {
          page_ += u"Name: <i>";
          page_ += name;
          page_ += u"</i><BR>";
        }
        page_ += u"Mag: ";
        AppendMagnitude(page_, record.magnitude());
        page_ += u"<BR>";
        AppendLink(page_, texts.linkPrefix, i);
        page_ += u"<BR>";
        ++itemCount_;
      }
    });
  }

  void SearchCommonNames(const CatalogStore& catalog, const SectionTexts& texts) {
    RunSection(texts, [&] {
      std::array<char, kNameBufferBytes> copy;
      std::array<char, kDesignationBufferBytes> key;
      for (std::size_t j = 0; j < catalog.names.count() && UnderLimit(); ++j) {
        const ObjectNameRecord& record = catalog.names[j];
        const std::string_view candidate = CopyField(copy, record.name(), kShownNameBytes, !matchCase_);
        if (!Matches(candidate)) continue;
        page_ += AnsiToWide(candidate);
        page_ += u"<BR>";
        // The object lookup compares folded designations, so the key is
        // folded whatever the case setting, and shown folded.
        WideString foldedKey = AnsiToWide(CopyField(key, record.designation(), kDesignationBytes, false));
        FoldWide(foldedKey);
        const int object = catalog.FindObjectIndex(foldedKey);
        if (object >= 0) {
          const auto g = static_cast<std::size_t>(object);
          page_ += u"Index in catalog: ";
          page_ += foldedKey;
          page_ += u"<BR>Magnitude: ";
          AppendMagnitude(page_, catalog.objects[g].magnitude());
          page_ += u"<BR>";
          AppendLink(page_, texts.linkPrefix, g);
        }
        page_ += u"<BR>";
        ++itemCount_;
      }
    });
  }

  void SearchConstellations(const CatalogStore& catalog, const SectionTexts& texts) {
    RunSection(texts, [&] {
      for (std::size_t m = 0; m < catalog.labels.count() && UnderLimit(); ++m) {
        const WideString fullName = catalog.labels[m].fullName();
        WideString candidate = fullName;
        if (!matchCase_) FoldWide(candidate);
        if (candidate.find(wideQuery_) == WideString::npos) continue;
        page_ += fullName;
        page_ += u"<BR>";
        AppendLink(page_, texts.linkPrefix, m);
        ++itemCount_;
      }
    });
  }

  WideString Finish() {
    if (itemCount_ > kSearchItemLimit) page_ += kTooManyItems;
    page_ += kPageEnd;
    return std::move(page_);
  }

 private:
  bool UnderLimit() const { return itemCount_ <= kSearchItemLimit; }

  bool Matches(std::string_view candidate) const {
    return !candidate.empty() && candidate.find(narrowQuery_) != std::string_view::npos;
  }

  template <class ListItems>
  void RunSection(const SectionTexts& texts, ListItems listItems) {
    page_ += texts.heading;
    const int before = itemCount_;
    listItems();
    if (itemCount_ == before) page_ += texts.emptyLine;
  }

  bool matchCase_;
  std::string narrowQuery_;
  WideString wideQuery_;
  int itemCount_ = 0;
  WideString page_;
};

}  // namespace

WideString BuildReferenceSearchPage(const WideString& query, bool matchCase, const CatalogStore& starCatalog,
                                    const CatalogStore& deepSkyCatalog,
                                    const CatalogStore& constellationLabelCatalog) {
  SearchRun run(query, matchCase);
  run.SearchDesignations(starCatalog, TextsOf(SearchSection::StarDesignations));
  run.SearchCommonNames(starCatalog, TextsOf(SearchSection::StarNames));
  run.SearchDesignations(deepSkyCatalog, TextsOf(SearchSection::DeepSkyDesignations));
  run.SearchCommonNames(deepSkyCatalog, TextsOf(SearchSection::DeepSkyNames));
  run.SearchConstellations(constellationLabelCatalog, TextsOf(SearchSection::Constellations));
  return run.Finish();
}

}  // namespace vespera
