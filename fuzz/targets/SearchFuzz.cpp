// Any query against any catalogue contents. The page must always be framed by
// the first heading and the close link, and without "Match case" a query must
// give the same page as its own folded form, since both are folded alike.

#include <algorithm>
#include <cstring>

#include "catalog/CatalogStore.h"
#include "fuzz/targets/FuzzCheck.h"
#include "fuzz/targets/FuzzInput.h"
#include "fuzz/targets/FuzzTargets.h"
#include "platform/runtime/CaseFold.h"
#include "platform/runtime/CodePage.h"
#include "search/SearchEngine.h"

using namespace vespera;

namespace {

// A part becomes as many records as it starts, the last one padded with zero
// bytes, so that even short inputs reach the 313-byte name records.
template <class Record>
void FillTable(RecordTable<Record>& table, std::string_view bytes) {
  const std::size_t count = (bytes.size() + Record::kSize - 1) / Record::kSize;
  table.Resize(count);
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t offset = i * Record::kSize;
    std::memcpy(table[i].bytes.data(), bytes.data() + offset,
                std::min(Record::kSize, bytes.size() - offset));
  }
}

WideString QueryFrom(std::string_view bytes, bool asUtf16) {
  if (!asUtf16) return Utf8ToWide(bytes);
  // Raw UTF-16 reaches what UTF-8 cannot carry: unpaired surrogates.
  WideString query;
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
    query += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                   (static_cast<unsigned char>(bytes[i + 1]) << 8));
  return query;
}

}  // namespace

void FuzzSearch(FuzzBytes data) {
  FuzzInput input(data);
  const std::uint8_t flags = input.TakeByte();
  const bool matchCase = (flags & 1) != 0;
  const WideString query = QueryFrom(input.TakePart(), (flags & 2) != 0);
  CatalogStore stars;
  CatalogStore deepSky;
  CatalogStore constellations;
  FillTable(stars.objects, input.TakePart());
  FillTable(stars.names, input.TakePart());
  FillTable(deepSky.objects, input.TakePart());
  FillTable(deepSky.names, input.TakePart());
  FillTable(constellations.labels, input.TakePart());

  const WideString page = BuildSearchPage(query, matchCase, stars, deepSky, constellations);
  FUZZ_CHECK(page.starts_with(u"<h3>Stars catalog search</h3>"));
  FUZZ_CHECK(page.ends_with(u"<BR><BR><A HREF=\"CLOSE_WND\">Close window</A>"));

  if (!matchCase) {
    WideString folded = query;
    FoldWide(folded);
    FUZZ_CHECK(BuildSearchPage(folded, false, stars, deepSky, constellations) == page);
  }
}
