#include "resources/PlaceTemplates.h"

#include <array>

#include "resources/SecondaryWindowStyles.h"

namespace vespera {

namespace {

// The layouts differ only in width and in where the "X" sits; the rows fit
// the lowest screen (176 pixels, 108 units, on a landscape small phone).
struct PlaceLayout {
  short width, closeColumn, closeRow;
};

constexpr short kLabelColumn = 4, kLabelWidth = 40, kFieldColumn = 46;

constexpr DWORD kLabelStyle = SS_LEFT | SS_NOPREFIX | WS_VISIBLE;
constexpr DWORD kFieldStyle = ES_LEFT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | WS_VISIBLE;
constexpr DWORD kListStyle = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | WS_VISIBLE;
constexpr DWORD kOkStyle = BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE;

constexpr std::array<DialogControlTemplate, 9> PlaceControls(PlaceLayout l) {
  const short fieldWidth = static_cast<short>(l.width - kFieldColumn - 4);
  return {{
      {u"Static", kUnnamedStaticId, u"Latitude", kLabelColumn, 16, kLabelWidth, 10, kLabelStyle},
      {u"Edit", kPlaceLatitudeId, u"", kFieldColumn, 14, fieldWidth, 12, kFieldStyle},
      {u"Static", kUnnamedStaticId, u"Longitude", kLabelColumn, 30, kLabelWidth, 10, kLabelStyle},
      {u"Edit", kPlaceLongitudeId, u"", kFieldColumn, 28, fieldWidth, 12, kFieldStyle},
      {u"Static", kUnnamedStaticId, u"City", kLabelColumn, 44, kLabelWidth, 10, kLabelStyle},
      {u"ComboBox", kPlaceCityId, u"", kFieldColumn, 42, fieldWidth, 60, kListStyle},
      {u"Static", kPlaceNoteId, u"", kLabelColumn, 57, static_cast<short>(l.width - 8), 32, kLabelStyle},
      {u"Button", IDOK, u"OK", kLabelColumn, 91, 30, 13, kOkStyle},
      {u"Button", IDCANCEL, u"X", l.closeColumn, l.closeRow, 12, 10, kCloseButtonStyle},
  }};
}

constexpr auto kPocketPcControls = PlaceControls({138, 125, 3});
constexpr auto kSmallPhoneControls = PlaceControls({103, 89, 2});
constexpr auto kQvgaPhoneControls = PlaceControls({120, 106, 3});

}  // namespace

const DialogTemplate kPlaceTemplate{kPlaceTemplateId, kSecondaryWindowStyle, 0, 0, 0, 138, 183,
                                    u"", u"System", 8, kPocketPcControls};
const DialogTemplate kPlaceHeight240Template{kPlaceHeight240TemplateId, kSecondaryWindowStyle, 0, 0, 0, 138, 125,
                                             u"", u"System", 8, kPocketPcControls};
const DialogTemplate kPlaceSmallPhoneTemplate{kPlaceSmallPhoneTemplateId, kSecondaryWindowStyle, 0, 0, 0, 103, 122,
                                              u"", u"System", 8, kSmallPhoneControls};
const DialogTemplate kPlaceQvgaPhoneTemplate{kPlaceQvgaPhoneTemplateId, kSecondaryWindowStyle, 0, 0, 0, 120, 122,
                                             u"", u"System", 8, kQvgaPhoneControls};

}  // namespace vespera
