#include "shell/ObserverSky.h"

#include <cmath>
#include <cstdio>

#include "ephemeris/TimeText.h"
#include "platform/runtime/CodePage.h"

namespace vespera {

std::string PlaceText(const Place& place) {
  char text[48];
  std::snprintf(text, sizeof text, "%.2f%c %.2f%c", std::fabs(place.latitudeDegrees),
                place.latitudeDegrees < 0 ? 'S' : 'N', std::fabs(place.longitudeDegrees),
                place.longitudeDegrees < 0 ? 'W' : 'E');
  return text;
}

const HorizonFrame* ObserverSky::FrameFor(const Observer& observer) {
  const ShownMinute key = ShownMinuteOf(observer);
  if (key_ != key) {
    key_ = key;
    frame_.reset();
    caption_ = Utf8ToWide(FormatLocalTime(key.minute) + " " + PlaceText(key.place));
    if (const Expected<TimeScales> time = TimeScalesAt(key.minute)) frame_.emplace(*time, key.place);
  }
  return frame_ ? &*frame_ : nullptr;
}

std::optional<HorizonOverlay> ObserverSky::OverlayFor(const Observer& observer, bool redScreen) {
  const HorizonFrame* frame = FrameFor(observer);
  if (!frame) return std::nullopt;
  HorizonOverlay overlay;
  overlay.altAzGrid = observer.choices().altAzGrid;
  overlay.redScreen = redScreen;
  overlay.caption = caption_;
  overlay.north = frame->CardinalPoint(Cardinal::North);
  overlay.east = frame->CardinalPoint(Cardinal::East);
  overlay.zenith = frame->Zenith();
  return overlay;
}

std::optional<SkyPoint> ObserverSky::Zenith(const Observer& observer) {
  const HorizonFrame* frame = FrameFor(observer);
  if (!frame) return std::nullopt;
  return SkyPointOf(frame->Zenith());
}

void ObserverSky::Describe(DumpObject& state, const Observer& observer) {
  const Place& place = observer.CurrentPlace();
  state.Set("observerLatitude", place.latitudeDegrees);
  state.Set("observerLongitude", place.longitudeDegrees);
  state.Set("observerTimeUtc", IsoUtcText(observer.ShownTime()));
  const HorizonFrame* frame = FrameFor(observer);
  state.Set("localSiderealTimeHours", frame ? frame->LocalApparentSiderealTime() * 12.0 / kPi : 0.0);
  state.Set("followsNow", observer.FollowsNow() ? 1 : 0);
  state.Set("altAzGrid", observer.choices().altAzGrid ? 1 : 0);
  state.Set("starNames", observer.choices().starNames ? 1 : 0);
}

}  // namespace vespera
