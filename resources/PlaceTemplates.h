#pragma once
// The Place window's layouts: 150 for Pocket PCs, 151 for screens 240 high,
// 152 for the small phones and 153 for 240-wide Smartphones. Latitude and
// longitude fields, the list of the time zones' cities, a note line and OK.

#include "platform/framework/DialogTemplate.h"

namespace vespera {

inline constexpr UINT kPlaceTemplateId = 150;
inline constexpr UINT kPlaceHeight240TemplateId = 151;
inline constexpr UINT kPlaceSmallPhoneTemplateId = 152;
inline constexpr UINT kPlaceQvgaPhoneTemplateId = 153;

inline constexpr UINT kPlaceLatitudeId = 1020;
inline constexpr UINT kPlaceLongitudeId = 1021;
inline constexpr UINT kPlaceCityId = 1022;
inline constexpr UINT kPlaceNoteId = 1023;

extern const DialogTemplate kPlaceTemplate;
extern const DialogTemplate kPlaceHeight240Template;
extern const DialogTemplate kPlaceSmallPhoneTemplate;
extern const DialogTemplate kPlaceQvgaPhoneTemplate;

}  // namespace vespera
