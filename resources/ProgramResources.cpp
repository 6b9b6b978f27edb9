#include "resources/ProgramResources.h"

#include "platform/menus/MenuApi.h"
#include "resources/MapContextMenu.h"
#include "resources/ProgramMenu.h"

namespace vespera {

void RegisterProgramResources() {
  RegisterMenuResource(kProgramMenu);
  RegisterMenuResource(kMapContextMenu);
}

}  // namespace vespera
