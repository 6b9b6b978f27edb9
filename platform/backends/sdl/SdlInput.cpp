#include "platform/backends/sdl/SdlInput.h"

#include <algorithm>
#include <cmath>

#include "platform/windows/VirtualKeys.h"

UINT VirtualKeyForSdlKey(SDL_Keycode key) {
  if (key >= SDLK_a && key <= SDLK_z) return UINT('A' + (key - SDLK_a));
  if (key >= SDLK_0 && key <= SDLK_9) return UINT('0' + (key - SDLK_0));
  if (key >= SDLK_KP_1 && key <= SDLK_KP_9) return UINT('1' + (key - SDLK_KP_1));
  if (key >= SDLK_F1 && key <= SDLK_F12) return UINT(VK_F1 + (key - SDLK_F1));
  switch (key) {
    case SDLK_KP_0: return '0';
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return VK_RETURN;
    case SDLK_ESCAPE: return VK_ESCAPE;
    case SDLK_TAB: return VK_TAB;
    case SDLK_BACKSPACE: return VK_BACK;
    case SDLK_SPACE: return VK_SPACE;
    case SDLK_INSERT: return VK_INSERT;
    case SDLK_DELETE:
    case SDLK_KP_PERIOD: return VK_DELETE;
    case SDLK_HOME: return VK_HOME;
    case SDLK_END: return VK_END;
    case SDLK_PAGEUP: return VK_PRIOR;
    case SDLK_PAGEDOWN: return VK_NEXT;
    case SDLK_LEFT: return VK_LEFT;
    case SDLK_RIGHT: return VK_RIGHT;
    case SDLK_UP: return VK_UP;
    case SDLK_DOWN: return VK_DOWN;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT: return VK_SHIFT;
    case SDLK_LCTRL:
    case SDLK_RCTRL: return VK_CONTROL;
    case SDLK_EQUALS:
    case SDLK_PLUS: return VK_OEM_PLUS;
    case SDLK_MINUS: return VK_OEM_MINUS;
    case SDLK_KP_PLUS: return VK_ADD;
    case SDLK_KP_MINUS: return VK_SUBTRACT;
    case SDLK_KP_MULTIPLY: return VK_MULTIPLY;
    case SDLK_KP_DIVIDE: return VK_DIVIDE;
    case SDLK_SEMICOLON: return VK_OEM_1;
    case SDLK_COMMA: return VK_OEM_COMMA;
    case SDLK_PERIOD: return VK_OEM_PERIOD;
    case SDLK_SLASH: return VK_OEM_2;
    case SDLK_BACKQUOTE: return VK_OEM_3;
    case SDLK_LEFTBRACKET: return VK_OEM_4;
    case SDLK_BACKSLASH: return VK_OEM_5;
    case SDLK_RIGHTBRACKET: return VK_OEM_6;
    case SDLK_QUOTE: return VK_OEM_7;
    // Modifier, lock and media keys have no key on the device.
    default: return 0;
  }
}

int ChooseScale(int requested, SIZE screen, SIZE usableDesktop) {
  if (screen.cx <= 0 || screen.cy <= 0) return std::max(requested, 1);
  const LONG fits = std::min(usableDesktop.cx / screen.cx, usableDesktop.cy / screen.cy);
  const bool desktopKnown = usableDesktop.cx > 0 && usableDesktop.cy > 0;
  if (requested > 0) return desktopKnown ? int(std::clamp<LONG>(fits, 1, requested)) : requested;
  return int(std::clamp<LONG>(fits, 1, kMaxFittedScale));
}

WindowChoice ChooseWindow(const WindowRequest& request, SIZE usableDesktop) {
  const bool desktopKnown = usableDesktop.cx > 0 && usableDesktop.cy > 0;
  const bool defaultFits = !desktopKnown || (kDefaultScreen.cx <= usableDesktop.cx && kDefaultScreen.cy <= usableDesktop.cy);
  if (request.fullscreen || (!request.screen && !defaultFits)) return {true, request.screen, 1};
  const SIZE screen = request.screen.value_or(kDefaultScreen);
  return {false, screen, ChooseScale(request.scale, screen, usableDesktop)};
}

ScreenPlacement PlaceScreen(SIZE screen, SIZE output) {
  if (screen.cx <= 0 || screen.cy <= 0) return {};
  const int scale = int(std::max<LONG>(1, std::min(output.cx / screen.cx, output.cy / screen.cy)));
  return {scale, {(output.cx - screen.cx * scale) / 2, (output.cy - screen.cy * scale) / 2}};
}

POINT OutputToScreen(double x, double y, const ScreenPlacement& placement, SIZE screen) {
  const double s = std::max(placement.scale, 1);
  const double sx = std::floor((x - placement.origin.x) / s);
  const double sy = std::floor((y - placement.origin.y) / s);
  return {LONG(std::clamp<double>(sx, 0, screen.cx - 1)), LONG(std::clamp<double>(sy, 0, screen.cy - 1))};
}

double PinchGesture::Distance() const { return std::hypot(x_[1] - x_[0], y_[1] - y_[0]); }

int PinchGesture::FingerDown(std::int64_t finger, double x, double y) {
  if (fingers_ == 2) return 0;  // a third finger takes no part
  id_[fingers_] = finger;
  x_[fingers_] = x;
  y_[fingers_] = y;
  if (++fingers_ == 2) base_ = Distance();
  return 0;
}

int PinchGesture::FingerMove(std::int64_t finger, double x, double y) {
  for (int i = 0; i < fingers_; ++i) {
    if (id_[i] != finger) continue;
    x_[i] = x;
    y_[i] = y;
    return Active() ? Steps() : 0;
  }
  return 0;
}

void PinchGesture::FingerUp(std::int64_t finger) {
  for (int i = 0; i < fingers_; ++i) {
    if (id_[i] != finger) continue;
    if (i == 0 && fingers_ == 2) {
      id_[0] = id_[1];
      x_[0] = x_[1];
      y_[0] = y_[1];
    }
    --fingers_;
    return;
  }
}

int PinchGesture::Steps() {
  const double distance = Distance();
  // Fingers that start on one spot have no distance to measure tenths of.
  if (!(base_ > 0.0)) {
    base_ = distance;
    return 0;
  }
  int steps = 0;
  while (distance >= base_ * kPinchStepRatio) {
    base_ *= kPinchStepRatio;
    ++steps;
  }
  while (distance <= base_ / kPinchStepRatio) {
    base_ /= kPinchStepRatio;
    --steps;
  }
  return steps;
}
