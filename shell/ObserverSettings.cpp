#include "shell/ObserverSettings.h"

#include <algorithm>

#include "appcore/SettingsCodec.h"

namespace vespera {

namespace {

constexpr const WCHAR* kOnEntry = u"On";
constexpr const WCHAR* kGridEntry = u"AltAzGrid";
constexpr const WCHAR* kStarNamesEntry = u"StarNames";
constexpr const WCHAR* kPlaceSetEntry = u"PlaceSet";
constexpr const WCHAR* kLatitudeEntry = u"Latitude";
constexpr const WCHAR* kLongitudeEntry = u"Longitude";

constexpr int kStoredZero = 65535;

int AsStored(std::uint32_t value) { return static_cast<int>(value); }

}  // namespace

void ReadObserverSettings(CWinApp& app, ObserverChoices& choices) {
  choices.on = app.GetProfileInt(kObserverSection, kOnEntry, 0) != 0;
  choices.altAzGrid = app.GetProfileInt(kObserverSection, kGridEntry, 0) != 0;
  choices.starNames = app.GetProfileInt(kObserverSection, kStarNamesEntry, 0) != 0;
  if (app.GetProfileInt(kObserverSection, kPlaceSetEntry, 0) == 0) return;
  // A hand-edited value out of range is held to the Earth rather than refused.
  const double latitude = SettingsCodec::DecodeAngle(app.GetProfileInt(kObserverSection, kLatitudeEntry, kStoredZero));
  const double longitude = SettingsCodec::DecodeAngle(app.GetProfileInt(kObserverSection, kLongitudeEntry, kStoredZero));
  choices.place = Place{std::clamp(latitude, -90.0, 90.0), std::clamp(longitude, -180.0, 180.0)};
}

void WriteObserverSettings(CWinApp& app, const ObserverChoices& choices) {
  app.WriteProfileInt(kObserverSection, kOnEntry, choices.on ? 1 : 0);
  app.WriteProfileInt(kObserverSection, kGridEntry, choices.altAzGrid ? 1 : 0);
  app.WriteProfileInt(kObserverSection, kStarNamesEntry, choices.starNames ? 1 : 0);
  app.WriteProfileInt(kObserverSection, kPlaceSetEntry, choices.place ? 1 : 0);
  if (!choices.place) return;
  app.WriteProfileInt(kObserverSection, kLatitudeEntry, AsStored(SettingsCodec::EncodeAngle(choices.place->latitudeDegrees)));
  app.WriteProfileInt(kObserverSection, kLongitudeEntry, AsStored(SettingsCodec::EncodeAngle(choices.place->longitudeDegrees)));
}

}  // namespace vespera
