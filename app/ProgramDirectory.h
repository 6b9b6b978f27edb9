#pragma once
// The folder of the running program, where every data file lies. Paths are
// UTF-8 here; the result ends with its separator.

#include <string>

// Everything of modulePath up to and including its last '/' or '\'.
std::string ProgramDirectoryOf(const std::string& modulePath);

// The directory of the running executable (/proc/self/exe). Safe to call from
// any thread; each call returns its own copy.
std::string GetProgramDirectory();
