#pragma once
// Makes the program's menu resources known to the device, so that they load
// by id. Called once at start-up; calling again changes nothing.

namespace vespera {

void RegisterProgramResources();

}  // namespace vespera
