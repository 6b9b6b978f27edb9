#include "resources/HelpTemplates.h"

#include "resources/PageWindowControls.h"

namespace vespera {

const DialogTemplate kHelpTemplate{kHelpTemplateId, kSecondaryWindowStyle, 0, 0, 0, 138, 179,
                                   u"", u"System", 8, kPageWindowPocketPcControls};
const DialogTemplate kHelpHeight240Template{kHelpHeight240TemplateId, kSecondaryWindowStyle, 0, 0, 0, 138, 140,
                                            u"", u"System", 8, kPageWindowHeight240Controls};
const DialogTemplate kHelpSmallPhoneTemplate{kHelpSmallPhoneTemplateId, kSecondaryWindowStyle, 0, 0, 0, 103, 115,
                                             u"", u"System", 8, kPageWindowSmallPhoneControls};
const DialogTemplate kHelpQvgaPhoneTemplate{kHelpQvgaPhoneTemplateId, kSecondaryWindowStyle, 0, 0, 0, 120, 138,
                                            u"", u"System", 8, kPageWindowQvgaPhoneControls};

}  // namespace vespera
