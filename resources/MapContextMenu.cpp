#include "resources/MapContextMenu.h"

#include <array>

#include "resources/CommandIds.h"

namespace vespera {

namespace {

constexpr std::array kObserverItems{
    MenuCommand(kCommandObserver, u"&Sky for my place and time"),
    MenuCommand(kCommandLookUp, u"&Look up"),
    MenuCommand(kCommandStarNames, u"Star &names"),
    MenuCommand(kCommandAltAzGrid, u"Alt-az &grid"),
    MenuSeparator(),
    MenuCommand(kCommandNow, u"N&ow"),
    MenuCommand(kCommandHourOn, u"+1 &hour"),
    MenuCommand(kCommandHourBack, u"-1 ho&ur"),
    MenuCommand(kCommandDayOn, u"+1 &day"),
    MenuCommand(kCommandDayBack, u"-1 d&ay"),
    MenuSeparator(),
    MenuCommand(kCommandPlace, u"&Place..."),
    MenuSeparator(),
    MenuCommand(kCommandTonight, u"&Tonight..."),
    MenuCommand(kCommandAboutObject, u"A&bout this object"),
};

constexpr std::array kContextBar{MenuPopup(u"Map", kObserverItems)};

}  // namespace

const MenuTemplate kMapContextMenu{kMapContextMenuId, kContextBar};

}  // namespace vespera
