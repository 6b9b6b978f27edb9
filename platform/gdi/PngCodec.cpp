#include "platform/gdi/PngCodec.h"

#include <png.h>

#include <string>
#include <vector>

#include "platform/runtime/FileReplacement.h"

namespace {

// png_image keeps libpng's state until freed; this frees it on every path.
struct ImageGuard {
  png_image image{};
  ImageGuard() { image.version = PNG_IMAGE_VERSION; }
  ~ImageGuard() { png_image_free(&image); }
  ImageGuard(const ImageGuard&) = delete;
  ImageGuard& operator=(const ImageGuard&) = delete;
};

}  // namespace

bool SaveSurfacePng(const Surface& surface, const std::filesystem::path& path) {
  const LONG width = surface.Width();
  std::vector<BYTE> rgb(std::size_t(width) * std::size_t(surface.Height()) * 3);
  BYTE* out = rgb.data();
  for (LONG y = 0; y < surface.Height(); ++y) {
    for (LONG x = 0; x < width; ++x) {
      const COLORREF c = surface.GetPixel(x, y);
      *out++ = GetRValue(c);
      *out++ = GetGValue(c);
      *out++ = GetBValue(c);
    }
  }
  ImageGuard guard;
  guard.image.width = png_uint_32(width);
  guard.image.height = png_uint_32(surface.Height());
  guard.image.format = PNG_FORMAT_RGB;
  // Encoded in memory and then put in place whole: libpng writing straight to
  // the path removes the file that was there when the disk fills.
  // Room for libpng's upper bound on the encoded size, so that one pass encodes it.
  png_alloc_size_t size = PNG_IMAGE_PNG_SIZE_MAX(guard.image);
  std::string encoded(size, '\0');
  if (!png_image_write_to_memory(&guard.image, encoded.data(), &size, 0, rgb.data(), png_int_32(width * 3), nullptr))
    return false;
  encoded.resize(size);
  return ReplaceFileContents(path.string(), encoded, ReplacementDurability::kBuffered).has_value();
}

Expected<Surface> DecodePng(std::span<const BYTE> file) {
  ImageGuard guard;
  if (!png_image_begin_read_from_memory(&guard.image, file.data(), file.size()))
    return Failure("PNG file is damaged before its pixels");
  if (guard.image.width > png_uint_32(kMaxSurfaceSide) || guard.image.height > png_uint_32(kMaxSurfaceSide) ||
      !Surface::CanCreate(LONG(guard.image.width), LONG(guard.image.height), 32))
    return Failure("PNG size is beyond the surface limits");
  // RGBA is byte for byte the 32-bit surface layout with opacity in the fourth byte.
  guard.image.format = PNG_FORMAT_RGBA;
  Surface surface(LONG(guard.image.width), LONG(guard.image.height), 32);
  if (!png_image_finish_read(&guard.image, nullptr, surface.Bytes().data(), surface.BytesPerRow(), nullptr))
    return Failure("PNG pixel data is damaged");
  return surface;
}
