// The program's one application object, which the platform's entry runs. The
// entry looks it up by this global name, like the device's own entry points;
// the program's classes live in namespace vespera.

#include "app/SkyMapApp.h"

CWinApp& TheApplication() {
  static vespera::CSkyMapApp application;
  return application;
}
