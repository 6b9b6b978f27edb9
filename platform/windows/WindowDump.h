#pragma once
// The automation dump: the screen, the clock and every shown top-level window
// (bottom to top, so the last is the active one) with its controls. A window
// names its class as the program's C++ class when a program object runs it
// (top-level windows such as "CSkyMapDlg"), otherwise by its window class
// ("Button", "MessageBox"). Windows add fields of their own through
// WindowProcedure::DescribeForDump.

#include "platform/windows/DumpValue.h"

class Desktop;

DumpValue DumpDesktop(Desktop& desktop);
