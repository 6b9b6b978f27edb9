#include "platform/windows/ModalLoop.h"

#include "platform/windows/MessageApi.h"
#include "platform/windows/WindowApi.h"

ModalOwnerLock::ModalOwnerLock(HWND owner) {
  if (owner && IsWindowEnabled(owner)) {
    EnableWindow(owner, FALSE);
    owner_ = owner;
  }
}

ModalOwnerLock::~ModalOwnerLock() { Release(); }

void ModalOwnerLock::Release() {
  if (owner_) EnableWindow(owner_, TRUE);
  owner_ = nullptr;
}

bool RunModalLoop(const std::function<bool()>& finished, const std::function<bool(MSG&)>& preTranslate) {
  while (!finished()) {
    MSG message;
    if (!GetMessage(&message, nullptr, 0, 0)) return false;
    if (preTranslate && preTranslate(message)) continue;
    TranslateMessage(&message);
    DispatchMessage(&message);
  }
  return true;
}
