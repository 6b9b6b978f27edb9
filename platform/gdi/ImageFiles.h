#pragma once
// Image files from disk, with the size checks done before anything is decoded.

#include <filesystem>
#include <vector>

#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Surface.h"
#include "platform/runtime/Expected.h"

// Files larger than this are not read at all.
inline constexpr std::uintmax_t kMaxImageFileBytes = 64u << 20;

// The whole file, or a failure when it cannot be opened or exceeds maxBytes.
Expected<std::vector<BYTE>> ReadFileBytes(const std::filesystem::path& path, std::uintmax_t maxBytes);

// A bitmap holding the decoded picture (32 bits), or why the file is missing
// or not a usable BMP.
Expected<CBitmap> ReadBmpFile(const std::filesystem::path& path);
// The same, with an empty CBitmap (GetSafeHandle() null) for any failure.
CBitmap LoadBmpFile(const std::filesystem::path& path);

// A PNG or BMP file, told apart by its signature, as a 32-bit surface whose
// fourth byte is opacity; a failure for anything else.
Expected<Surface> LoadImageFile(const std::filesystem::path& path);
