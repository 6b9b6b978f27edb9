#include "skymap/Selection.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <span>

#include "platform/runtime/WideFormat.h"

namespace vespera {

namespace {

bool SelectRecord(Selection& selection, const CatalogStore& catalog, SelectionKind kind, std::int32_t index) {
  if (index < 0 || static_cast<std::size_t>(index) >= catalog.objects.count()) return false;
  const SkyObjectRecord& record = catalog.objects[static_cast<std::size_t>(index)];
  selection = SelectedObject{kind, index, record.ra(), record.dec()};
  return true;
}

// The selected record, or null when the selection names none (nothing
// selected, or an index its catalogue does not hold).
const SkyObjectRecord* SelectedRecord(const Selection& selection, const SkyCatalogs& catalogs) {
  if (!selection || selection->kind == SelectionKind::Body) return nullptr;
  const CatalogStore& catalog = selection->kind == SelectionKind::DeepSky ? catalogs.deepSkyCatalog : catalogs.starCatalog;
  if (selection->index < 0 || static_cast<std::size_t>(selection->index) >= catalog.objects.count()) return nullptr;
  return &catalog.objects[static_cast<std::size_t>(selection->index)];
}

WideString DescribeStar(const SkyObjectRecord& record, const CatalogStore& stars) {
  const double magnitude = record.magnitude();
  const WideString designation = DesignationText(record);
  if (designation.empty()) return FormatWide(u"Star without name. mag: %.2f", {magnitude});
  // A star listed in the names table shows that name, even an empty one.
  WideString name;
  if (!stars.FindName(designation, name)) name = designation;
  return FormatWide(u"Star: %s, mag: %.2f", {name, magnitude});
}

// NGC objects are stored under their bare number ("224"); every other
// catalogue's designation starts with its own letters ("Mel 25", "IC 4715")
// and must not be shown as an NGC number.
WideString ShownDesignation(const WideString& designation) {
  const bool bareNumber = designation[0] >= u'0' && designation[0] <= u'9';
  return bareNumber ? u"NGC-" + designation : designation;
}

// The placeholder of an object no source gives a magnitude is not shown as one.
WideString DeepSkyMagnitudeText(float magnitude) {
  const std::string text = MagnitudeText(magnitude);
  return WideString(text.begin(), text.end());
}

WideString DescribeDeepSky(const SkyObjectRecord& record, const CatalogStore& deepSky) {
  const WideString magnitude = DeepSkyMagnitudeText(record.magnitude());
  const WideString designation = DesignationText(record);
  if (designation.empty()) return FormatWide(u"Deepsky without name. mag: %s", {magnitude});
  WideString name;
  if (deepSky.FindName(designation, name) && !name.empty()) {
    return FormatWide(u"DSO: %s, %s, mag: %s", {ShownDesignation(designation), name, magnitude});
  }
  return FormatWide(u"DSO: %s, mag: %s", {ShownDesignation(designation), magnitude});
}

double HundredthsBelow(float degrees) { return std::floor(static_cast<double>(degrees) * 100) * 0.01; }

}  // namespace

bool SelectStar(Selection& selection, const SkyCatalogs& catalogs, std::int32_t index) {
  return SelectRecord(selection, catalogs.starCatalog, SelectionKind::Star, index);
}

bool SelectDeepSky(Selection& selection, const SkyCatalogs& catalogs, std::int32_t index) {
  return SelectRecord(selection, catalogs.deepSkyCatalog, SelectionKind::DeepSky, index);
}

void ClearSelection(Selection& selection) { selection.reset(); }

WideString DescribeSelection(const Selection& selection, const SkyCatalogs& catalogs) {
  const SkyObjectRecord* record = SelectedRecord(selection, catalogs);
  if (record == nullptr) return u"No objects found at this position";
  if (selection->kind == SelectionKind::DeepSky) return DescribeDeepSky(*record, catalogs.deepSkyCatalog);
  return DescribeStar(*record, catalogs.starCatalog);
}

std::optional<SkyPoint> SelectionMarkerPoint(const Selection& selection) {
  if (!selection) return std::nullopt;
  return SkyPoint{selection->ra, selection->dec};
}

bool IsMapTap(const MapLayout& layout, int x, int y) { return MapAreaRect(layout).Contains({x, y}); }

bool SelectAt(Selection& selection, const SkyCatalogs& catalogs, const MapHitCaches& hits, int x, int y) {
  ClearSelection(selection);
  const ScreenHit star = FindStarAt(hits.stars, x, y);
  const ScreenHit deepSky = FindDeepSkyAt(hits.deepSky, x, y);
  if (star.index != kNoHit) SelectStar(selection, catalogs, star.index);
  if (deepSky.index != kNoHit) SelectDeepSky(selection, catalogs, deepSky.index);
  return selection.has_value();
}

int FingerReachPixels(int dpi) {
  constexpr double kReachMillimetres = 3.0;
  constexpr double kMillimetresPerInch = 25.4;
  return std::max(6, static_cast<int>(std::lround(kReachMillimetres * dpi / kMillimetresPerInch)));
}

bool SelectNearest(Selection& selection, const SkyCatalogs& catalogs, const MapHitCaches& hits, int x, int y,
                   int reach) {
  ClearSelection(selection);
  struct Candidate {
    std::int64_t distanceSquared = 0;
    float magnitude = 0.0f;
    SelectionKind kind = SelectionKind::Star;
    std::int32_t index = kNoHit;
  };
  std::optional<Candidate> best;
  const std::int64_t reachSquared = std::int64_t{reach} * reach;
  const auto consider = [&](std::span<const ScreenHit> entries, const CatalogStore& catalog, SelectionKind kind) {
    for (const ScreenHit& hit : entries) {
      if (hit.index < 0 || static_cast<std::size_t>(hit.index) >= catalog.objects.count()) continue;
      // In 64 bits: a tap far from an entry must not overflow.
      const std::int64_t dx = std::int64_t{x} - hit.x;
      const std::int64_t dy = std::int64_t{y} - hit.y;
      const std::int64_t distanceSquared = dx * dx + dy * dy;
      if (distanceSquared > reachSquared) continue;
      const float stored = catalog.objects[static_cast<std::size_t>(hit.index)].magnitude();
      const float magnitude = IsPlaceholderMagnitude(stored) || !std::isfinite(stored)
                                  ? std::numeric_limits<float>::infinity()
                                  : stored;
      if (best && (distanceSquared > best->distanceSquared ||
                   (distanceSquared == best->distanceSquared && magnitude >= best->magnitude)))
        continue;
      best = Candidate{distanceSquared, magnitude, kind, hit.index};
    }
  };
  consider(hits.stars.entries(), catalogs.starCatalog, SelectionKind::Star);
  consider(hits.deepSky.entries(), catalogs.deepSkyCatalog, SelectionKind::DeepSky);
  if (!best) return false;
  const CatalogStore& catalog = best->kind == SelectionKind::DeepSky ? catalogs.deepSkyCatalog : catalogs.starCatalog;
  return SelectRecord(selection, catalog, best->kind, best->index);
}

void CenterOn(ViewState& view, float ra, float dec) {
  const float a = ra + 180.0f;
  const float b = 180.0f - dec;
  // A damaged record's NaN or infinite position would leave a view that shows
  // nothing and is saved that way; the view stays where it is instead.
  if (!std::isfinite(a) || !std::isfinite(b)) return;
  view.centerRa = HundredthsBelow(a);
  view.centerDec = HundredthsBelow(b);
}

bool CenterOnSelection(ViewState& view, const Selection& selection) {
  if (!selection) return false;
  CenterOn(view, selection->ra, selection->dec);
  return true;
}

}  // namespace vespera
