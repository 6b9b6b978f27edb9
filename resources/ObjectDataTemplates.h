#pragma once
// The object data window's layouts: 131 for Pocket PCs, 141 for screens 240
// pixels high, 142 for the small phones and 144 for 240-wide Smartphones.
// Each holds the "Object data:" label, the entry list (the first tab stop),
// the page's placeholder and the "X", which closes with IDOK.

#include "platform/framework/DialogTemplate.h"

namespace vespera {

inline constexpr UINT kObjectDataTemplateId = 131;
inline constexpr UINT kObjectDataHeight240TemplateId = 141;
inline constexpr UINT kObjectDataSmallPhoneTemplateId = 142;
inline constexpr UINT kObjectDataQvgaPhoneTemplateId = 144;

inline constexpr UINT kObjectDataListId = 1008;

extern const DialogTemplate kObjectDataTemplate;
extern const DialogTemplate kObjectDataHeight240Template;
extern const DialogTemplate kObjectDataSmallPhoneTemplate;
extern const DialogTemplate kObjectDataQvgaPhoneTemplate;

}  // namespace vespera
