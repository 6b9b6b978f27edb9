#pragma once
// Modal runs: a message loop of its own that ends when its window says so,
// nested inside whatever loop is running. Dialogs and message boxes use it.

#include <functional>

#include "platform/windows/Messages.h"

// Disables the owner window for the time of a modal run and enables it again
// afterwards, if it was enabled before.
class ModalOwnerLock {
 public:
  explicit ModalOwnerLock(HWND owner);
  ~ModalOwnerLock();
  ModalOwnerLock(const ModalOwnerLock&) = delete;
  ModalOwnerLock& operator=(const ModalOwnerLock&) = delete;
  // Enables the owner now (before the modal window goes, so that it becomes active).
  void Release();

 private:
  HWND owner_ = nullptr;
};

// Takes and dispatches the thread's messages until `finished` answers true;
// `preTranslate` sees each message first and may consume it. False when the
// program is quitting, which ends every modal run at once.
bool RunModalLoop(const std::function<bool()>& finished, const std::function<bool(MSG&)>& preTranslate);
