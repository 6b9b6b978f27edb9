#pragma once
// CPlaceDlg: the Place window. Latitude and longitude fields (decimal degrees,
// or degrees and minutes with N, S, E or W), a list of the time zones' cities
// that fills them, and OK. A field that does not read gets a message box with
// the reason and the window stays open; the place changes only on a good OK.
// The "X" abandons the window.

#include <optional>
#include <span>

#include "ephemeris/Place.h"
#include "ephemeris/ZoneCities.h"
#include "shell/SecondaryWindow.h"

namespace vespera {

class CPlaceDlg : public CSecondaryWindow {
 public:
  // `placeIsFallback`: no place was ever set and no city was found for the
  // system's zone, so `current` is latitude 0, longitude 0 and the window says so.
  CPlaceDlg(const Place& current, bool placeIsFallback, std::span<const ZoneCity> cities);

  const MessageMap* GetMessageMap() const override;
  void DoDataExchange(CDataExchange* exchange) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  void DescribeState(DumpObject& state) const override;

  // The place chosen with OK.
  const std::optional<Place>& chosen() const { return chosen_; }

 private:
  void OnCityChosen();

  Place current_;
  bool placeIsFallback_;
  std::span<const ZoneCity> cities_;
  std::optional<Place> chosen_;
  CEdit latitude_;
  CEdit longitude_;
  CComboBox cityList_;
};

}  // namespace vespera
