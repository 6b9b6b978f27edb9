#include "shell/ViewSettings.h"

#include "appcore/SettingsCodec.h"

namespace vespera {

namespace {

constexpr const WCHAR* kLinesEntry = u"ConstellationLines";
constexpr const WCHAR* kNamesEntry = u"ConstellationNames";
constexpr const WCHAR* kRaEntry = u"V_RA1";
constexpr const WCHAR* kDecEntry = u"V_DEC1";
constexpr const WCHAR* kZoomEntry = u"V_ZOOM";
constexpr const WCHAR* kMagnitudeEntry = u"V_MAG";

// The stored forms of the default view (0, 90, zoom 1, limit 4).
constexpr int kDefaultRa = 65535;
constexpr int kDefaultDec = 74535;
constexpr int kDefaultZoom = 100;
constexpr int kDefaultMagnitude = 400;

// The profile keeps DWORDs; the store takes them as int with the same bits.
int AsStored(std::uint32_t value) { return static_cast<int>(value); }

}  // namespace

void ReadViewSettings(CWinApp& app, ViewState& view) {
  const ViewState defaults;
  view.showConstellationLines = static_cast<int>(app.GetProfileInt(kMainSection, kLinesEntry, defaults.showConstellationLines));
  view.constellationNameStyle = static_cast<ConstellationNameStyle>(
      SettingsCodec::DecodeNameStyle(app.GetProfileInt(kMainSection, kNamesEntry, static_cast<int>(defaults.constellationNameStyle))));
  view.centerRa = SettingsCodec::DecodeAngle(app.GetProfileInt(kMainSection, kRaEntry, kDefaultRa));
  view.centerDec = SettingsCodec::DecodeAngle(app.GetProfileInt(kMainSection, kDecEntry, kDefaultDec));
  view.zoom = SettingsCodec::DecodeScaled(app.GetProfileInt(kMainSection, kZoomEntry, kDefaultZoom));
  view.magnitudeLimit = SettingsCodec::DecodeScaled(app.GetProfileInt(kMainSection, kMagnitudeEntry, kDefaultMagnitude));
}

void WriteViewSettings(CWinApp& app, const ViewState& view) {
  app.WriteProfileInt(kMainSection, kLinesEntry, view.showConstellationLines);
  app.WriteProfileInt(kMainSection, kNamesEntry, static_cast<int>(view.constellationNameStyle));
  app.WriteProfileInt(kMainSection, kRaEntry, AsStored(SettingsCodec::EncodeAngle(view.centerRa)));
  app.WriteProfileInt(kMainSection, kDecEntry, AsStored(SettingsCodec::EncodeAngle(view.centerDec)));
  app.WriteProfileInt(kMainSection, kZoomEntry, AsStored(SettingsCodec::EncodeScaled(view.zoom)));
  app.WriteProfileInt(kMainSection, kMagnitudeEntry, AsStored(SettingsCodec::EncodeScaled(view.magnitudeLimit)));
}

}  // namespace vespera
