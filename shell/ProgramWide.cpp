#include "shell/ProgramWide.h"

std::optional<CSkin> theSkin;
int redScreenMode = 0;
CSkyMapDlg* activeMainWindow = nullptr;
