#pragma once
// The four standard message box icons, drawn from shapes at any size rather
// than scaled from a bitmap, so they stay crisp at both pixel densities. All
// colours come from the system colour table, so the icons follow it (the
// program's red night mode changes that table).

#include <optional>
#include <string_view>

#include "platform/gdi/DeviceContext.h"

enum class MessageBoxIcon { Exclamation, Information, Question, Error };

// The icon a message box type asks for (its MB_ICON* bits), or none.
std::optional<MessageBoxIcon> MessageBoxIconFor(UINT type);
// The name the automation dump uses: "exclamation", "information", "question", "error".
std::string_view MessageBoxIconName(MessageBoxIcon icon);
// Draws the icon filling the square `size` pixels wide at (left, top).
void DrawMessageBoxIcon(CDC& dc, MessageBoxIcon icon, LONG left, LONG top, LONG size);
