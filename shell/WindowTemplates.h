#pragma once
// Which layout each program window takes on a screen: one table of the
// layouts each window has, and one order in which the screen classes are tried.

#include "appcore/ScreenClass.h"
#include "platform/framework/DialogTemplate.h"

namespace vespera {

enum class ProgramWindow { Main, About, Help, Search, ObjectData, Place, SkyPage };

// The first of the classes height 240, small phone and QVGA phone (in that
// order) that the screen is in and the window has a layout for; otherwise the
// window's Pocket PC layout.
const DialogTemplate& ChooseTemplate(ProgramWindow window, const ScreenProfile& screen);

// The same on the device's screen now. A class is tested only when the window
// has a layout for it, so the platform type is asked only when it can matter.
const DialogTemplate& ChooseTemplate(ProgramWindow window);

}  // namespace vespera
