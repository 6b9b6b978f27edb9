#pragma once
// PNG through libpng: screenshots out, images for pages in.

#include <filesystem>
#include <span>

#include "platform/gdi/Surface.h"
#include "platform/runtime/Expected.h"

// Writes 8-bit RGB; a 16-bit surface's nibbles become nibble x 17, so the
// file shows exactly what the display shows. False when the file cannot be written.
bool SaveSurfacePng(const Surface& surface, const std::filesystem::path& path);

// A 32-bit surface whose fourth byte is the image's opacity. A failure for a
// damaged file or one beyond the surface limits (checked before decoding).
Expected<Surface> DecodePng(std::span<const BYTE> file);
