// The control gallery as a program of its own, for screenshots:
//   control_gallery --headless --screen 240x320 --script FILE
// (tests/platform/controls/gallery_shots.sh drives it).

#include "platform/framework/WinApp.h"
#include "tests/platform/controls/ControlGallery.h"

CWinApp& TheApplication() {
  static CControlGalleryApp application;
  return application;
}
