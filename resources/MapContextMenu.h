#pragma once
// The map's context menu (resource 247): the sky for the observer's place and
// time, and the display's night filter with its brightness. Opened by a right-click or a press held on the map, at that point;
// its check marks are set each time it opens. The program menu stays as it is.

#include "platform/windows/MenuTemplate.h"

namespace vespera {

extern const MenuTemplate kMapContextMenu;

}  // namespace vespera
