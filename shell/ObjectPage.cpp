#include "shell/ObjectPage.h"

#include <algorithm>
#include <cstdio>

#include "ephemeris/DailyEvents.h"
#include "ephemeris/HorizonFrame.h"
#include "platform/runtime/CodePage.h"
#include "shell/SkyPageText.h"
#include "shell/TonightPage.h"

namespace vespera {

namespace {

// The deep-sky table keeps NGC objects under their bare number.
std::string DesignationOf(const SkyObjectRecord& record, bool deepSky) {
  const std::string designation = WideToUtf8(DesignationText(record));
  const bool bareNumber = !designation.empty() && std::all_of(designation.begin(), designation.end(),
                                                               [](char c) { return c >= '0' && c <= '9'; });
  return deepSky && bareNumber ? "NGC " + designation : designation;
}

std::string PlaceNow(const ObjectPageInputs& inputs, const Vector3& direction) {
  const Expected<TimeScales> time = TimeScalesAt(inputs.shown);
  if (!time) return "unknown";
  const Horizontal horizontal = HorizonFrame(*time, inputs.place).HorizontalOf(direction);
  char azimuth[24];
  std::snprintf(azimuth, sizeof azimuth, ", azimuth %.0f\xC2\xB0", horizontal.azimuth / kRadiansPerDegree);
  return AltitudeDirectionText(horizontal) + azimuth;
}

std::string CommonLines(const ObjectPageInputs& inputs, const Vector3& direction, std::string_view magnitude,
                        const Expected<DailyEvents>& events) {
  std::string lines = Line("J2000", J2000Text(direction));
  if (inputs.constellations) {
    const std::string_view constellation = inputs.constellations->Find(direction);
    if (!constellation.empty()) lines += Line("Constellation", constellation);
  }
  lines += Line("Magnitude", magnitude);
  lines += Line("Now", PlaceNow(inputs, direction));
  lines += Line("Tonight", events ? DayCourseText(*events) : "unknown");
  return lines;
}

WideString BodyPage(const ObjectPageInputs& inputs, const ShownBody& shown) {
  std::string magnitude = "unknown";
  if (shown.magnitude) {
    char text[16];
    std::snprintf(text, sizeof text, "%.1f", *shown.magnitude);
    magnitude = text;
  }
  return FinishedSkyPage(inputs.redScreen, "<b>" + std::string(NameOf(shown.body)) + "</b><BR>" +
                              CommonLines(inputs, shown.direction, magnitude,
                                          EventsOfBody(shown.body, TonightStart(inputs.shown, inputs.place),
                                                       inputs.place)));
}

}  // namespace

WideString BuildObjectPage(const ObjectPageInputs& inputs) {
  if (inputs.object.kind == SelectionKind::Body) {
    if (inputs.body) return BodyPage(inputs, *inputs.body);
    return FinishedSkyPage(inputs.redScreen, "The body is no longer shown.<BR>");
  }
  const bool deepSky = inputs.object.kind == SelectionKind::DeepSky;
  const CatalogStore& catalog = deepSky ? inputs.catalogs->deepSkyCatalog : inputs.catalogs->starCatalog;
  const std::int32_t index = inputs.object.index;
  if (index < 0 || static_cast<std::size_t>(index) >= catalog.objects.count())
    return FinishedSkyPage(inputs.redScreen, "The object is not in the catalogue.<BR>");
  const SkyObjectRecord& record = catalog.objects[static_cast<std::size_t>(index)];
  WideString name;
  const std::string designation = DesignationOf(record, deepSky);
  const bool named = catalog.FindName(DesignationText(record), name);
  const Vector3 direction = DirectionOf(SkyPoint{record.ra(), record.dec()});

  std::string body = "<b>" + EscapeHtml(named ? WideToUtf8(name) : designation) + "</b><BR>";
  body += Line("Designation", EscapeHtml(designation.empty() ? "none" : designation));
  body += CommonLines(inputs, direction, MagnitudeText(record.magnitude()),
                      EventsOfDirection(direction, TonightStart(inputs.shown, inputs.place), inputs.place));
  if (deepSky && inputs.listed) {
    if (const std::optional<ListedObject> entry = ListEntryOf(*inputs.listed, index)) {
      const std::string label = WideToUtf8(ListLabel(*entry));
      body += ListPageLink(*entry, (entry->list == ObjectList::Messier ? "Messier page " : "Caldwell page ") + label) +
              "<BR>";
    }
  }
  return FinishedSkyPage(inputs.redScreen, body);
}

}  // namespace vespera
