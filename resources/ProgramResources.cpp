#include "resources/ProgramResources.h"

#include "platform/menus/MenuApi.h"
#include "resources/ProgramMenu.h"

namespace vespera {

void RegisterProgramResources() { RegisterMenuResource(kProgramMenu); }

}  // namespace vespera
