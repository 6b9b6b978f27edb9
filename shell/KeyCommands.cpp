#include "shell/KeyCommands.h"

#include "platform/windows/SystemApi.h"

namespace vespera {

namespace {

bool KeyIsHeldNow(UINT key) { return (GetAsyncKeyState(static_cast<int>(key)) & 0x8000) != 0; }

}  // namespace

bool TranslateKeyCommand(CWnd& window, const MSG& message, std::span<const KeyCommand> keys) {
  if (message.message != WM_KEYDOWN) return false;
  for (const KeyCommand& entry : keys) {
    if (entry.key != message.wParam) continue;
    switch (entry.delivery) {
      case KeyDelivery::WhileHeld:
        if (KeyIsHeldNow(entry.key)) window.SendMessage(WM_COMMAND, entry.command, 0);
        break;
      case KeyDelivery::Posted: window.PostMessage(WM_COMMAND, entry.command, 0); break;
    }
    return true;
  }
  return false;
}

}  // namespace vespera
