#pragma once
// Device-independent bitmap files (.bmp): 1, 4 and 8 bits with a palette,
// 16, 24 and 32 bits direct (16 and 32 also with channel masks), rows stored
// bottom-up or top-down. Compressed (RLE) files are refused.

#include <span>

#include "platform/gdi/Surface.h"
#include "platform/runtime/Expected.h"

// A 32-bit surface, opaque (fourth byte 255). A failure for anything malformed:
// a bad signature or header, an unsupported depth or compression, a size that
// is not positive or beyond the surface limits, or pixel data that does not
// fit in the file. The size is checked against the file before any pixel
// memory is taken.
Expected<Surface> DecodeBmp(std::span<const BYTE> file);

// The bits per pixel the file's header declares (1, 4, 8, 16, 24 or 32), or
// why the header cannot be read; no pixel is decoded.
Expected<unsigned> BmpBitsPerPixel(std::span<const BYTE> file);
