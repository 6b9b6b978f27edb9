#pragma once
// The folder of the running program, where every data file lies. Paths are
// UTF-8 here; the result ends with its separator.

#include <string>

#include "platform/runtime/Expected.h"

namespace vespera {

// Everything of modulePath up to and including its last '/' or '\'.
std::string ProgramDirectoryOf(const std::string& modulePath);

// The directory of the running executable: the module file name the device
// reports (at most 260 units), or /proc/self/exe when no device runs. Safe to
// call from any thread; each call returns its own copy.
std::string GetProgramDirectory();

// Whether `directory` (as GetProgramDirectory gives it) is a folder whose
// entries can be listed; the reason says what is wrong. The program starts
// all the same, and every file it then misses is reported on its own.
Expected<void> CheckProgramDirectory(const std::string& directory);

}  // namespace vespera
