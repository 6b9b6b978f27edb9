#include "resources/ProgramMenu.h"

#include <array>

#include "resources/CommandIds.h"

namespace vespera {

namespace {

constexpr std::array kMagnitudeItems{
    MenuCommand(kCommandMagnitude3, u"3"), MenuCommand(kCommandMagnitude4, u"4"),
    MenuCommand(kCommandMagnitude5, u"5"), MenuCommand(kCommandMagnitude6, u"6"),
    MenuCommand(kCommandMagnitude7, u"7"), MenuCommand(kCommandMagnitude8, u"8"),
    MenuCommand(kCommandMagnitude9, u"9"), MenuCommand(kCommandMagnitudeAll, u">10"),
};

constexpr std::array kSelectedObjectItems{
    MenuCommand(kCommandShowInfo, u"&Show info"),
    MenuCommand(kCommandCenterObject, u"&Center object"),
};

constexpr std::array kZoomLevelItems{
    MenuCommand(kCommandZoomLevel1, u"x&1"), MenuCommand(kCommandZoomLevel2, u"x&2"),
    MenuCommand(kCommandZoomLevel4, u"x&4"), MenuCommand(kCommandZoomLevel8, u"x&8"),
    MenuCommand(kCommandZoomLevel16, u"x1&6"),
};

constexpr std::array kProgramItems{
    MenuCommand(kCommandRedScreen, u"&Red screen mode"),
    MenuCommand(kCommandConstellationLines, u"S&how constellation lines"),
    MenuCommand(kCommandNamesShort, u"Constellation names sh&ort"),
    MenuCommand(kCommandNamesFull, u"Constellation names f&ull"),
    MenuSeparator(),
    MenuPopup(u"Ma&ximum magnitude", kMagnitudeItems),
    MenuPopup(u"Se&lected object", kSelectedObjectItems),
    MenuCommand(kCommandResetView, u"Reset &view"),
    MenuPopup(u"Set &zoom level", kZoomLevelItems),
    MenuSeparator(),
    MenuCommand(kCommandCaldwellInfo, u"&Caldwell objects info..."),
    MenuCommand(kCommandMessierInfo, u"&Messier objects info..."),
    MenuSeparator(),
    MenuCommand(kCommandSearch, u"&Search..."),
    MenuSeparator(),
    MenuCommand(kCommandAbout, u"&About"),
    MenuCommand(kCommandHelp, u"Hel&p"),
    MenuCommand(kCommandExit, u"&Exit"),
};

// A menu resource is a bar of pop-ups; the program shows the first.
constexpr std::array kProgramBar{MenuPopup(u"Menu", kProgramItems)};

}  // namespace

const MenuTemplate kProgramMenu{kProgramMenuId, kProgramBar};

}  // namespace vespera
