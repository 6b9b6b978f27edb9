#include "resources/MapContextMenu.h"

#include <array>

#include "resources/CommandIds.h"

namespace vespera {

namespace {

constexpr std::array kNightFilterLevels{
    MenuCommand(kCommandNightFilterLevel25, u"&25%"),
    MenuCommand(kCommandNightFilterLevel50, u"&50%"),
    MenuCommand(kCommandNightFilterLevel75, u"&75%"),
};

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
    MenuCommand(kCommandAboutObject, u"About th&is object"),
    MenuSeparator(),
    MenuCommand(kCommandNightFilter, u"Night &filter"),
    MenuPopup(u"Night filter &brightness", kNightFilterLevels),
};

constexpr std::array kContextBar{MenuPopup(u"Map", kObserverItems)};

}  // namespace

const MenuTemplate kMapContextMenu{kMapContextMenuId, kContextBar};

}  // namespace vespera
