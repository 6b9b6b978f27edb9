#pragma once
// PNG through libpng: screenshots out, images for pages in.

#include <filesystem>
#include <optional>
#include <span>

#include "platform/gdi/Surface.h"

// Writes 8-bit RGB; a 16-bit surface's nibbles become nibble x 17, so the
// file shows exactly what the display shows. False when the file cannot be written.
bool SaveSurfacePng(const Surface& surface, const std::filesystem::path& path);

// A 32-bit surface whose fourth byte is the image's opacity. Empty for a
// damaged file or one beyond the surface limits (checked before decoding).
std::optional<Surface> DecodePng(std::span<const BYTE> file);
