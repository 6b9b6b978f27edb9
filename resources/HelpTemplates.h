#pragma once
// The Help window's layouts: 134 for Pocket PCs, 136 for screens 240 pixels
// high, 139 for the small phones and 147 for 240-wide Smartphones. Each holds
// only the page's placeholder and the "X", which closes with IDCANCEL.

#include "platform/framework/DialogTemplate.h"

namespace vespera {

inline constexpr UINT kHelpTemplateId = 134;
inline constexpr UINT kHelpHeight240TemplateId = 136;
inline constexpr UINT kHelpSmallPhoneTemplateId = 139;
inline constexpr UINT kHelpQvgaPhoneTemplateId = 147;

extern const DialogTemplate kHelpTemplate;
extern const DialogTemplate kHelpHeight240Template;
extern const DialogTemplate kHelpSmallPhoneTemplate;
extern const DialogTemplate kHelpQvgaPhoneTemplate;

}  // namespace vespera
