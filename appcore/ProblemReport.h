#pragma once
// One line on the device's debug output (standard error on this system) for
// a file the program could not use. The program's own answer to the problem
// (a message box, an empty table) stays as it is; the line tells a user who
// started it from a terminal which file it was and why.

#include <string>

namespace vespera {

// Writes "vespera: " and the problem, which names the file first
// ("/usr/lib/vespera/Stars.dat: the file cannot be opened").
void ReportProblem(const std::string& problem);

}  // namespace vespera
