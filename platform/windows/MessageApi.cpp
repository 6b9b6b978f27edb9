#include "platform/windows/MessageApi.h"

#include "platform/windows/Desktop.h"
#include "platform/windows/VirtualKeys.h"
#include "platform/windows/WindowApi.h"

LRESULT SendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Desktop* desktop = Desktop::Current();
  return desktop ? desktop->Send(window, message, wParam, lParam) : 0;
}

BOOL PostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Desktop* desktop = Desktop::Current();
  return desktop && desktop->Post(window, message, wParam, lParam) ? TRUE : FALSE;
}

LRESULT SendDlgItemMessage(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam) {
  const HWND item = GetDlgItem(dialog, id);
  return item ? SendMessage(item, message, wParam, lParam) : 0;
}

BOOL GetMessage(MSG* message, HWND /*filter*/, UINT /*first*/, UINT /*last*/) {
  Desktop* desktop = Desktop::Current();
  if (!desktop || !message) return FALSE;
  return desktop->GetMessage(*message) ? TRUE : FALSE;
}

LPARAM GetMessageExtraInfo() {
  const Desktop* desktop = Desktop::Current();
  return desktop ? desktop->MessageExtraInfo() : 0;
}

BOOL TranslateMessage(const MSG* message) {
  if (!message || message->message != WM_KEYDOWN) return FALSE;
  char16_t character = 0;
  switch (message->wParam) {
    case VK_BACK: character = u'\b'; break;
    case VK_TAB: character = u'\t'; break;
    case VK_RETURN: character = u'\r'; break;
    case VK_ESCAPE: character = 0x1B; break;
    default: return FALSE;
  }
  return PostMessage(message->hwnd, WM_CHAR, WPARAM(character), message->lParam);
}

LRESULT DispatchMessage(const MSG* message) {
  Desktop* desktop = Desktop::Current();
  return desktop && message ? desktop->Dispatch(*message) : 0;
}

void PostQuitMessage(int exitCode) {
  if (Desktop* desktop = Desktop::Current()) desktop->Quit(exitCode);
}

