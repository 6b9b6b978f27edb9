#pragma once
// The main window's three layouts: 102 for Pocket PCs (240 and 480 pixels
// wide alike, the units double on the wide screen), 137 for the small phones
// (176 and 220 pixels wide) and 143 for 240-wide Smartphones.
//
// Only the seven command buttons are visible; the hidden ones exist so that
// their ids, used by the menu and the loader thread, are items of the window.

#include "platform/framework/DialogTemplate.h"

namespace vespera {

inline constexpr UINT kMainTemplateId = 102;
inline constexpr UINT kMainSmallPhoneTemplateId = 137;
inline constexpr UINT kMainQvgaPhoneTemplateId = 143;

extern const DialogTemplate kMainTemplate;
extern const DialogTemplate kMainSmallPhoneTemplate;
extern const DialogTemplate kMainQvgaPhoneTemplate;

}  // namespace vespera
