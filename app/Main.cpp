// The program's one application object, which the platform's entry runs.

#include "app/SkyMapApp.h"

CWinApp& TheApplication() {
  static CSkyMapApp application;
  return application;
}
