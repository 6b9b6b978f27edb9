#include "shell/ObjectPage.h"

#include <algorithm>
#include <cstdio>

#include "ephemeris/DailyEvents.h"
#include "ephemeris/HorizonFrame.h"
#include "info/PageTemplate.h"
#include "platform/runtime/CodePage.h"
#include "shell/SkyPageText.h"
#include "shell/TonightPage.h"

namespace vespera {

namespace {

std::string Line(std::string_view label, std::string_view value) {
  return std::string(label) + ": " + std::string(value) + "<BR>";
}

// The deep-sky table keeps NGC objects under their bare number.
std::string DesignationOf(const SkyObjectRecord& record, bool deepSky) {
  const std::string designation = WideToUtf8(DesignationText(record));
  const bool bareNumber = !designation.empty() && std::all_of(designation.begin(), designation.end(),
                                                               [](char c) { return c >= '0' && c <= '9'; });
  return deepSky && bareNumber ? "NGC " + designation : designation;
}

std::string MagnitudeText(float magnitude) {
  if (IsPlaceholderMagnitude(magnitude)) return "unknown";
  char text[16];
  std::snprintf(text, sizeof text, "%.2f", magnitude);
  return text;
}

std::string PlaceNow(const ObjectPageInputs& inputs, const Vector3& direction) {
  const Expected<TimeScales> time = TimeScalesAt(inputs.shown);
  if (!time) return "unknown";
  const Horizontal horizontal = HorizonFrame(*time, inputs.place).HorizontalOf(direction);
  char azimuth[24];
  std::snprintf(azimuth, sizeof azimuth, ", azimuth %.0f\xC2\xB0", horizontal.azimuth / kRadiansPerDegree);
  return AltitudeDirectionText(horizontal) + azimuth;
}

}  // namespace

WideString BuildObjectPage(const ObjectPageInputs& inputs) {
  const bool deepSky = inputs.object.kind == SelectionKind::DeepSky;
  const CatalogStore& catalog = deepSky ? inputs.catalogs->deepSkyCatalog : inputs.catalogs->starCatalog;
  WideString page = StyledPageHeader(inputs.redScreen);
  const std::int32_t index = inputs.object.index;
  if (index < 0 || static_cast<std::size_t>(index) >= catalog.objects.count()) {
    page += u"The object is not in the catalogue.<BR>";
    page += kHelpPageCloseLink;
    return page;
  }
  const SkyObjectRecord& record = catalog.objects[static_cast<std::size_t>(index)];
  WideString name;
  const std::string designation = DesignationOf(record, deepSky);
  const bool named = catalog.FindName(DesignationText(record), name);
  const Vector3 direction = DirectionOf(SkyPoint{record.ra(), record.dec()});

  std::string body = "<b>" + EscapeHtml(named ? WideToUtf8(name) : designation) + "</b><BR>";
  body += Line("Designation", EscapeHtml(designation.empty() ? "none" : designation));
  body += Line("J2000", J2000Text(direction));
  if (inputs.constellations) {
    const std::string_view constellation = inputs.constellations->Find(direction);
    if (!constellation.empty()) body += Line("Constellation", constellation);
  }
  body += Line("Magnitude", MagnitudeText(record.magnitude()));
  body += Line("Now", PlaceNow(inputs, direction));
  const Expected<DailyEvents> events =
      EventsOfDirection(direction, TonightStart(inputs.shown, inputs.place), inputs.place);
  body += Line("Tonight", events ? DayCourseText(*events) : "unknown");
  if (deepSky && inputs.listed) {
    if (const std::optional<ListedObject> entry = ListEntryOf(*inputs.listed, index)) {
      const std::string label = WideToUtf8(ListLabel(*entry));
      body += ListPageLink(*entry, (entry->list == ObjectList::Messier ? "Messier page " : "Caldwell page ") + label) +
              "<BR>";
    }
  }
  page += Utf8ToWide(body);
  page += kHelpPageCloseLink;
  return page;
}

}  // namespace vespera
