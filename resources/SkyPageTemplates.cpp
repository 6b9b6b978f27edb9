#include "resources/SkyPageTemplates.h"

#include "resources/PageWindowControls.h"

namespace vespera {

const DialogTemplate kSkyPageTemplate{kSkyPageTemplateId, kSecondaryWindowStyle, 0, 0, 0, 138, 179,
                                      u"", u"System", 8, kPageWindowPocketPcControls};
const DialogTemplate kSkyPageHeight240Template{kSkyPageHeight240TemplateId, kSecondaryWindowStyle, 0, 0, 0, 138, 140,
                                               u"", u"System", 8, kPageWindowHeight240Controls};
const DialogTemplate kSkyPageSmallPhoneTemplate{kSkyPageSmallPhoneTemplateId, kSecondaryWindowStyle, 0, 0, 0, 103, 115,
                                                u"", u"System", 8, kPageWindowSmallPhoneControls};
const DialogTemplate kSkyPageQvgaPhoneTemplate{kSkyPageQvgaPhoneTemplateId, kSecondaryWindowStyle, 0, 0, 0, 120, 138,
                                               u"", u"System", 8, kPageWindowQvgaPhoneControls};

}  // namespace vespera
