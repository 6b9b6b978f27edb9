#pragma once
// The search window's layouts: 133 for Pocket PCs, 135 for screens 240
// pixels high, 140 for the small phones and 145 for 240-wide Smartphones.
// Each holds the query box, "Go", "Match case", the page's placeholder and
// the "X", which closes with IDCANCEL.

#include "platform/framework/DialogTemplate.h"

namespace vespera {

inline constexpr UINT kSearchTemplateId = 133;
inline constexpr UINT kSearchHeight240TemplateId = 135;
inline constexpr UINT kSearchSmallPhoneTemplateId = 140;
inline constexpr UINT kSearchQvgaPhoneTemplateId = 145;

inline constexpr UINT kSearchQueryId = 1012;
inline constexpr UINT kSearchGoId = 1013;
inline constexpr UINT kSearchMatchCaseId = 1014;

extern const DialogTemplate kSearchTemplate;
extern const DialogTemplate kSearchHeight240Template;
extern const DialogTemplate kSearchSmallPhoneTemplate;
extern const DialogTemplate kSearchQvgaPhoneTemplate;

}  // namespace vespera
