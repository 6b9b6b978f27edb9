#include "shell/ProgramWide.h"

namespace vespera {

std::optional<CSkin> theSkin;
namespace {

int redScreenModeValue = 0;

}  // namespace

bool IsRedScreenOn() { return redScreenModeValue != 0; }
int RedScreenModeValue() { return redScreenModeValue; }
void SetRedScreenModeValue(int value) { redScreenModeValue = value; }

}  // namespace vespera
