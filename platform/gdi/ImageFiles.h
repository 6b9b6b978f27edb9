#pragma once
// Image files from disk, with the size checks done before anything is decoded.

#include <filesystem>
#include <optional>
#include <vector>

#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Surface.h"

// Files larger than this are not read at all.
inline constexpr std::uintmax_t kMaxImageFileBytes = 64u << 20;

// The whole file, or empty when it cannot be opened or exceeds maxBytes.
std::optional<std::vector<BYTE>> ReadFileBytes(const std::filesystem::path& path, std::uintmax_t maxBytes);

// A bitmap holding the decoded picture (32 bits), or an empty CBitmap
// (GetSafeHandle() null) when the file is missing or not a usable BMP.
CBitmap LoadBmpFile(const std::filesystem::path& path);

// A PNG or BMP file, told apart by its signature, as a 32-bit surface whose
// fourth byte is opacity; empty for anything else.
std::optional<Surface> LoadImageFile(const std::filesystem::path& path);
