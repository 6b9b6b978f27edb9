#pragma once
// One line on the device's debug output (standard error on this system) for
// a file the program could not use. The program's own answer to the problem
// (a message box, an empty table) stays as it is; the line tells a user who
// started it from a terminal which file it was and why.

#include <string>

namespace vespera {

// Writes the problem, which names the file first, on the debug output; the
// platform puts the program's name before it
// ("vespera: /usr/lib/vespera/Stars.dat: the file cannot be opened").
void ReportProblem(const std::string& problem);

}  // namespace vespera
