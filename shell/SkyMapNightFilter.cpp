// The main window's night filter: on and off, and its level. The display
// applies it; nothing of the map is drawn or projected again.

#include "resources/CommandIds.h"
#include "shell/SkyMapDlg.h"

namespace vespera {

static_assert(kCommandNightFilterLevel75 - kCommandNightFilterLevel25 + 1 == kNightFilterMenuLevels.size(),
              "one level command for each level the menu offers");

void CSkyMapDlg::OnToggleNightFilter() {
  nightFilter_.choices().on = !nightFilter_.choices().on;
  nightFilter_.NoteUserChange();
  ApplyNightFilter(nightFilter_.choices());
}

void CSkyMapDlg::OnNightFilterLevel(UINT id) {
  nightFilter_.choices().level = kNightFilterMenuLevels[id - kCommandNightFilterLevel25];
  nightFilter_.NoteUserChange();
  ApplyNightFilter(nightFilter_.choices());
}

}  // namespace vespera
