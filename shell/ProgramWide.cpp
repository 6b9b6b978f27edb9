#include "shell/ProgramWide.h"

std::optional<CSkin> theSkin;
int redScreenMode = 0;
