#include "platform/backends/sdl/SdlInput.h"

#include <algorithm>

#include "platform/windows/VirtualKeys.h"

UINT VirtualKeyForSdlKey(SDL_Keycode key) {
  if (key >= SDLK_a && key <= SDLK_z) return UINT('A' + (key - SDLK_a));
  if (key >= SDLK_0 && key <= SDLK_9) return UINT('0' + (key - SDLK_0));
  if (key >= SDLK_KP_1 && key <= SDLK_KP_9) return UINT('1' + (key - SDLK_KP_1));
  switch (key) {
    case SDLK_KP_0: return '0';
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return VK_RETURN;
    case SDLK_ESCAPE: return VK_ESCAPE;
    case SDLK_TAB: return VK_TAB;
    case SDLK_BACKSPACE: return VK_BACK;
    case SDLK_SPACE: return VK_SPACE;
    case SDLK_DELETE: return VK_DELETE;
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
    case SDLK_F1: return VK_F1;
    default: return 0;
  }
}

int ChooseScale(int requested, SIZE screen, SIZE usableDesktop) {
  if (requested > 0) return requested;
  if (screen.cx <= 0 || screen.cy <= 0) return 1;
  const LONG fits = std::min(usableDesktop.cx / screen.cx, usableDesktop.cy / screen.cy);
  return int(std::clamp<LONG>(fits, 1, kMaxFittedScale));
}

POINT WindowToScreen(int x, int y, int scale, SIZE screen) {
  const int s = std::max(scale, 1);
  return {std::clamp<LONG>(x / s, 0, screen.cx - 1), std::clamp<LONG>(y / s, 0, screen.cy - 1)};
}
