#include "shell/PlaceDlg.h"

#include <cstdio>
#include <string>

#include "ephemeris/PlaceText.h"
#include "platform/runtime/CodePage.h"
#include "resources/PlaceTemplates.h"
#include "shell/WindowTemplates.h"

namespace vespera {

namespace {

constexpr std::u16string_view kFallbackNote =
    u"No place set and no city found for the system's time zone: the place is latitude 0, longitude 0.";
constexpr std::u16string_view kChooseCity = u"(choose a city)";

WideString DegreesText(double degrees) {
  char text[32];
  std::snprintf(text, sizeof text, "%.4f", degrees);
  return Utf8ToWide(text);
}

std::string FieldText(const CEdit& field) {
  WideString text;
  field.GetWindowText(text);
  return WideToUtf8(text);
}

}  // namespace

CPlaceDlg::CPlaceDlg(const Place& current, bool placeIsFallback, std::span<const ZoneCity> cities)
    : CSecondaryWindow(ChooseTemplate(ProgramWindow::Place), u"Place", true, IDCANCEL),
      current_(current),
      placeIsFallback_(placeIsFallback),
      cities_(cities) {}

const MessageMap* CPlaceDlg::GetMessageMap() const {
  static const MessageMap map = MessageMapFor<CPlaceDlg>(CSecondaryWindow::GetMessageMap())
                                    .OnControl(CBN_SELCHANGE, kPlaceCityId, &CPlaceDlg::OnCityChosen);
  return &map;
}

void CPlaceDlg::DoDataExchange(CDataExchange* exchange) {
  CSecondaryWindow::DoDataExchange(exchange);
  DDX_Control(exchange, kPlaceLatitudeId, latitude_);
  DDX_Control(exchange, kPlaceLongitudeId, longitude_);
  DDX_Control(exchange, kPlaceCityId, cityList_);
}

BOOL CPlaceDlg::OnInitDialog() {
  CSecondaryWindow::OnInitDialog();
  latitude_.SetWindowText(DegreesText(current_.latitudeDegrees));
  longitude_.SetWindowText(DegreesText(current_.longitudeDegrees));
  // Item data is the city's index plus one; the first entry names no city.
  cityList_.SetItemData(cityList_.AddString(kChooseCity), 0);
  for (std::size_t i = 0; i < cities_.size(); ++i)
    cityList_.SetItemData(cityList_.AddString(Utf8ToWide(cities_[i].city)), DWORD_PTR(i + 1));
  cityList_.SetCurSel(0);
  if (CWnd* note = GetDlgItem(kPlaceNoteId); note && placeIsFallback_) note->SetWindowText(kFallbackNote);
  // The framework gives the focus to the first tab stop, the latitude; typing replaces it.
  latitude_.SendMessage(EM_SETSEL, 0, -1);
  return TRUE;
}

void CPlaceDlg::OnCityChosen() {
  const int selected = cityList_.GetCurSel();
  if (selected < 0) return;
  const DWORD_PTR data = cityList_.GetItemData(selected);
  if (data == 0 || data > cities_.size()) return;
  const Place& place = cities_[data - 1].place;
  latitude_.SetWindowText(DegreesText(place.latitudeDegrees));
  longitude_.SetWindowText(DegreesText(place.longitudeDegrees));
}

void CPlaceDlg::OnOK() {
  const Expected<double> latitude = ParseLatitude(FieldText(latitude_));
  const Expected<double> longitude = ParseLongitude(FieldText(longitude_));
  if (!latitude || !longitude) {
    const std::string reason = !latitude ? "Latitude: " + latitude.reason() : "Longitude: " + longitude.reason();
    MessageBox(m_hWnd, Utf8ToWide(reason + "\nThe place stays as it was."), u"Place", MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  chosen_ = Place{*latitude, *longitude};
  CSecondaryWindow::OnOK();
}

void CPlaceDlg::DescribeState(DumpObject& state) const {
  CSecondaryWindow::DescribeState(state);
  state.Set("placeIsFallback", placeIsFallback_ ? 1 : 0);
  state.Set("cityCount", static_cast<long long>(cities_.size()));
}

}  // namespace vespera
