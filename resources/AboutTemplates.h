#pragma once
// The About window's layouts: 132 for Pocket PCs, 138 for the small phones
// and 146 for 240-wide Smartphones. Fixed texts only: the product and version,
// the year, where new versions are found, a contact line and the sky data's
// credit, above the closing hint.

#include "platform/framework/DialogTemplate.h"

namespace vespera {

inline constexpr UINT kAboutTemplateId = 132;
inline constexpr UINT kAboutSmallPhoneTemplateId = 138;
inline constexpr UINT kAboutQvgaPhoneTemplateId = 146;

extern const DialogTemplate kAboutTemplate;
extern const DialogTemplate kAboutSmallPhoneTemplate;
extern const DialogTemplate kAboutQvgaPhoneTemplate;

}  // namespace vespera
