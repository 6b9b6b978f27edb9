#include "resources/ProgramResources.h"

#include "platform/windows/MenuApi.h"
#include "resources/ProgramMenu.h"

void RegisterProgramResources() { RegisterMenuResource(kProgramMenu); }
