#pragma once
// The view's own style sheet: how each element the pages use is displayed
// before the page's styles apply. Sizes are in em so the pages keep their
// proportions at both screen resolutions.

extern const char* const kHtmlMasterStyle;
