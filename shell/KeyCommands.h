#pragma once
// The main window's keys: one table from a device key to the command it
// sends. A key in the table is consumed, so the dialog never sees it; its
// command goes out as WM_COMMAND through the window's message map, like a
// button's or a menu item's. Adding a key for an existing command is one
// line in kMainWindowKeys.

#include <span>

#include "platform/framework/Wnd.h"
#include "platform/windows/VirtualKeys.h"
#include "resources/CommandIds.h"

namespace vespera {

// How a key's command reaches the window.
enum class KeyDelivery {
  // Sent at once, and only if the key is still down when its message is
  // handled: a key released before the queue got to it (a held key's
  // auto-repeat running ahead of a slow redraw) does nothing.
  WhileHeld,
  // Posted, to run after the key's own message is done (Enter opening the
  // program menu must not press the dialog's default button).
  Posted,
};

struct KeyCommand {
  UINT key;
  UINT command;
  KeyDelivery delivery;
};

// The keypad: arrows and the digits around 5 pan, 1 and 3 zoom; a desktop
// keyboard's plus, minus and page keys zoom as 3 and 1 do; Enter opens the
// program menu. Letters and brackets reach the sky for the observer's place
// and time: H on or off, Z looks up, N now, [ and ] an hour back and on,
// L the Place window, T the Tonight page.
inline constexpr KeyCommand kMainWindowKeys[] = {
    {VK_RETURN, kCommandProgramMenu, KeyDelivery::Posted},
    {VK_RIGHT, kCommandPanRight, KeyDelivery::WhileHeld},
    {'6', kCommandPanRight, KeyDelivery::WhileHeld},
    {VK_LEFT, kCommandPanLeft, KeyDelivery::WhileHeld},
    {'4', kCommandPanLeft, KeyDelivery::WhileHeld},
    {VK_UP, kCommandPanUp, KeyDelivery::WhileHeld},
    {'2', kCommandPanUp, KeyDelivery::WhileHeld},
    {VK_DOWN, kCommandPanDown, KeyDelivery::WhileHeld},
    {'8', kCommandPanDown, KeyDelivery::WhileHeld},
    {'1', kCommandZoomOut, KeyDelivery::WhileHeld},
    {VK_OEM_MINUS, kCommandZoomOut, KeyDelivery::WhileHeld},
    {VK_SUBTRACT, kCommandZoomOut, KeyDelivery::WhileHeld},
    {VK_NEXT, kCommandZoomOut, KeyDelivery::WhileHeld},
    {'3', kCommandZoomIn, KeyDelivery::WhileHeld},
    {VK_OEM_PLUS, kCommandZoomIn, KeyDelivery::WhileHeld},
    {VK_ADD, kCommandZoomIn, KeyDelivery::WhileHeld},
    {VK_PRIOR, kCommandZoomIn, KeyDelivery::WhileHeld},
    {'H', kCommandObserver, KeyDelivery::Posted},
    {'Z', kCommandLookUp, KeyDelivery::Posted},
    {'N', kCommandNow, KeyDelivery::Posted},
    {VK_OEM_4, kCommandHourBack, KeyDelivery::Posted},
    {VK_OEM_6, kCommandHourOn, KeyDelivery::Posted},
    {'L', kCommandPlace, KeyDelivery::Posted},
    {'T', kCommandTonight, KeyDelivery::Posted},
};

// For a key-down message whose key is in `keys`: delivers its command to
// `window` and answers true (the message is consumed). Any other message
// answers false.
bool TranslateKeyCommand(CWnd& window, const MSG& message, std::span<const KeyCommand> keys);

}  // namespace vespera
