#include "resources/MainWindowTemplates.h"

#include <array>

#include "platform/windows/WindowStyles.h"
#include "resources/CommandIds.h"
#include "resources/TemplateStyles.h"

namespace vespera {

namespace {

// The buttons' left edges differ per layout; every command button sits at
// y = 3 and keeps only its top-left corner once the skin sizes it.
struct CommandButtonColumns {
  short zoomIn, zoomOut, panLeft, panRight, panUp, panDown, menu;
};

constexpr short kButtonTop = 3;

constexpr std::array<DialogControlTemplate, 11> MainControls(CommandButtonColumns x) {
  return {{
      {u"Button", kCommandZoomIn, u"+", x.zoomIn, kButtonTop, 11, 11, kSkinButtonStyle},
      {u"Button", kCommandZoomOut, u"-", x.zoomOut, kButtonTop, 11, 11, kSkinButtonStyle},
      {u"Button", kCommandPanLeft, u"<", x.panLeft, kButtonTop, 11, 10, kSkinButtonStyle},
      {u"Button", kCommandPanRight, u">", x.panRight, kButtonTop, 11, 10, kSkinButtonStyle},
      {u"Button", kCommandPanUp, u"U", x.panUp, kButtonTop, 11, 10, kSkinButtonStyle},
      {u"Button", kCommandPanDown, u"D", x.panDown, kButtonTop, 11, 10, kSkinButtonStyle},
      {u"Button", kCommandProgramMenu, u"M", x.menu, kButtonTop, 14, 11, kSkinButtonStyle},
      {u"Button", kCommandExit, u"X", 0, 0, 10, 10, kHiddenButtonStyle},
      {u"Button", kCommandResetView, u"Reset", 0, 0, 10, 10, kHiddenButtonStyle},
      {u"Button", kCommandAbout, u"About", 0, 0, 10, 10, kHiddenButtonStyle},
      {u"Button", kCommandAfterLoad, u"After load", 0, 0, 10, 10, kHiddenButtonStyle},
  }};
}

constexpr auto kPocketPcControls = MainControls({50, 62, 74, 86, 98, 110, 125});
constexpr auto kSmallPhoneControls = MainControls({19, 31, 43, 55, 67, 79, 91});
constexpr auto kQvgaPhoneControls = MainControls({31, 43, 55, 67, 79, 91, 106});

constexpr DWORD kMainStyle = WS_POPUP | WS_VISIBLE | WS_CAPTION | DS_SETFONT;
constexpr DWORD kMainExStyle = WS_EX_APPWINDOW | WS_EX_CAPTIONOKBTN;

}  // namespace

const DialogTemplate kMainTemplate{kMainTemplateId,  kMainStyle, kMainExStyle, 0, 0, 139, 159,
                                   u"Vespera",       u"System",  8,            kPocketPcControls};
const DialogTemplate kMainSmallPhoneTemplate{kMainSmallPhoneTemplateId, kMainStyle, kMainExStyle, 0, 0, 114, 142,
                                             u"Vespera", u"System", 8, kSmallPhoneControls};
const DialogTemplate kMainQvgaPhoneTemplate{kMainQvgaPhoneTemplateId, kMainStyle, kMainExStyle, 0, 0, 139, 159,
                                            u"Vespera", u"System", 8, kQvgaPhoneControls};

}  // namespace vespera
