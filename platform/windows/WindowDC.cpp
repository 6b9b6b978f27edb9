#include "platform/windows/WindowDC.h"

#include "platform/windows/Desktop.h"
#include "platform/windows/MessageApi.h"

namespace {

// Where a context with no window to draw on points: nothing can be drawn, as
// its clip is empty.
Surface& Nowhere() {
  static Surface nowhere(1, 1, 32);
  return nowhere;
}

}  // namespace

WindowDC::Target WindowDC::TargetFor(HWND window, const RECT* clip) {
  Desktop* desktop = Desktop::Current();
  if (!desktop || !desktop->Tree().Exists(window)) return {&Nowhere(), {}, {}, nullptr};
  Surface* pixels = desktop->Screen().PixelsFor(window);
  if (!pixels) return {&Nowhere(), {}, {}, &desktop->Fonts()};
  RECT area = desktop->Screen().VisibleClientArea(window);
  if (clip) area = area.Intersect(*clip);
  return {pixels, desktop->Tree().OriginInTopLevel(window), area, &desktop->Fonts()};
}

WindowDC::WindowDC(HWND window, const RECT* clip) : WindowDC(window, TargetFor(window, clip)) {}

WindowDC::WindowDC(HWND window, const Target& target)
    : CDC(*target.surface, target.origin, target.clip, target.fonts), window_(window) {}

WindowDC::~WindowDC() {
  if (Desktop* desktop = Desktop::Current()) desktop->Screen().MarkChanged();
}

PaintDC::Update PaintDC::TakeUpdate(HWND window) {
  Update update{{}, false};
  if (Desktop* desktop = Desktop::Current()) update.area = desktop->Screen().TakeUpdate(window, update.erase);
  return update;
}

PaintDC::PaintDC(HWND window) : PaintDC(window, TakeUpdate(window)) {}

PaintDC::PaintDC(HWND window, const Update& update)
    : WindowDC(window, &update.area), paintRect_(update.area) {
  if (update.erase) erased_ = SendMessage(window, WM_ERASEBKGND, WParamFromDC(this), 0) != 0;
}
