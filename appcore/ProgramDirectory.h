#pragma once
// The folder of the running program, where every data file lies. Paths are
// UTF-8 here; the result ends with its separator.

#include <string>

// Everything of modulePath up to and including its last '/' or '\'.
std::string ProgramDirectoryOf(const std::string& modulePath);

// The directory of the running executable: the module file name the device
// reports (at most 260 units), or /proc/self/exe when no device runs. Safe to
// call from any thread; each call returns its own copy.
std::string GetProgramDirectory();
