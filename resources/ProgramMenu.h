#pragma once
// The program menu (resource 246): one pop-up, opened under the "M" button
// and by the Enter key. Its check marks and greyed items are set each time it
// opens; the table itself carries none.

#include "platform/windows/MenuTemplate.h"

namespace vespera {

extern const MenuTemplate kProgramMenu;

}  // namespace vespera
