#pragma once
// The view's own style sheet: how each element the pages use is displayed
// before the page's styles apply. Sizes are in em so the pages keep their
// proportions at both screen resolutions.

#include <string>

#include "platform/htmlview/HtmlColours.h"

extern const char* const kHtmlMasterStyle;

// The sheet with the default text and link colours added.
std::string MasterStyleWith(const HtmlColours& colours);
