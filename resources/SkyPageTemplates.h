#pragma once
// The layouts of the window of the observer's pages (Tonight, "About this
// object"): 154 for Pocket PCs, 155 for screens 240 pixels high, 156 for the
// small phones and 157 for 240-wide Smartphones. Like the Help window's,
// each holds only the page's placeholder and the "X", which closes with IDCANCEL.

#include "platform/framework/DialogTemplate.h"

namespace vespera {

inline constexpr UINT kSkyPageTemplateId = 154;
inline constexpr UINT kSkyPageHeight240TemplateId = 155;
inline constexpr UINT kSkyPageSmallPhoneTemplateId = 156;
inline constexpr UINT kSkyPageQvgaPhoneTemplateId = 157;

extern const DialogTemplate kSkyPageTemplate;
extern const DialogTemplate kSkyPageHeight240Template;
extern const DialogTemplate kSkyPageSmallPhoneTemplate;
extern const DialogTemplate kSkyPageQvgaPhoneTemplate;

}  // namespace vespera
