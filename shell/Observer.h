#pragma once
// The observer of the sky-for-a-place-and-time feature: whether it is on, its
// drawing choices, the place and the shown time. Off by default; while off,
// nothing of it is computed, read from the system or written to the settings.
//
// The shown time is the clock's UTC plus an offset the user steps by hours
// and days; an offset of zero is "now". So the shown time runs on with the
// clock either way, and a headless run repeats exactly (its clock is virtual).

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "ephemeris/Place.h"
#include "ephemeris/TimeScales.h"
#include "ephemeris/ZoneCities.h"

namespace vespera {

struct ObserverChoices {
  bool on = false;
  bool altAzGrid = false;
  bool starNames = false;
  // Empty until the user (or --place) sets a place.
  std::optional<Place> place;
};

class Observer {
 public:
  ObserverChoices& choices() { return choices_; }
  const ObserverChoices& choices() const { return choices_; }

  // Set by every change the user makes; only then is the settings section written.
  bool changedByUser() const { return changedByUser_; }
  void NoteUserChange() { changedByUser_ = true; }

  UtcInstant ShownTime() const;
  bool FollowsNow() const { return offset_ == std::chrono::seconds{0}; }
  void StepTime(std::chrono::seconds step) { offset_ += step; }
  void ReturnToNow() { offset_ = std::chrono::seconds{0}; }
  void ShowTime(UtcInstant instant) { offset_ = instant - ClockNow(); }

  // The place the sky is drawn for: the one set, else the city of the
  // system's time zone (looked up once, on first use), else 0, 0.
  const Place& CurrentPlace() const;
  // True when the place is latitude 0, longitude 0 because none was set and
  // the system's zone named no city.
  bool PlaceIsFallback() const { return !choices_.place && defaultPlace_ && !defaultFoundCity_; }
  // The cities of the system's zone table, read once a run for both the
  // default place and the place window; empty for a missing or damaged table.
  const std::vector<ZoneCity>& ZoneCities() const;

  static UtcInstant ClockNow();

 private:
  ObserverChoices choices_;
  bool changedByUser_ = false;
  std::chrono::seconds offset_{0};
  // Looked up at the first use of the place, which may come from a const
  // caller (the dump); the answer does not change during a run.
  mutable std::optional<Place> defaultPlace_;
  mutable bool defaultFoundCity_ = false;
  mutable std::optional<std::vector<ZoneCity>> zoneCities_;
};

// The shown time to the whole minute and the place: what the horizon frame and
// the bodies are kept for, so both are computed again only when it changes.
struct ShownMinute {
  UtcInstant minute;
  Place place;
  friend bool operator==(const ShownMinute&, const ShownMinute&) = default;
};
UtcInstant MinuteOf(UtcInstant instant);
ShownMinute ShownMinuteOf(const Observer& observer);

// "2000-01-01T12:00:00Z".
std::string IsoUtcText(UtcInstant instant);

}  // namespace vespera
