#include "resources/ProgramResources.h"

#include "platform/menus/MenuApi.h"
#include "resources/ProgramMenu.h"

void RegisterProgramResources() { RegisterMenuResource(kProgramMenu); }
