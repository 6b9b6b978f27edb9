#include "shell/ProgramWide.h"

namespace vespera {

std::optional<CSkin> theSkin;
int redScreenMode = 0;

}  // namespace vespera
