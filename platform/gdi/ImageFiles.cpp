#include "platform/gdi/ImageFiles.h"

#include <algorithm>
#include <fstream>
#include <system_error>

#include "platform/gdi/BmpDecoder.h"
#include "platform/gdi/PngCodec.h"

namespace {

bool HasPngSignature(const std::vector<BYTE>& bytes) {
  static constexpr BYTE kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  return bytes.size() >= 8 && std::equal(std::begin(kSignature), std::end(kSignature), bytes.begin());
}

}  // namespace

Expected<std::vector<BYTE>> ReadFileBytes(const std::filesystem::path& path, std::uintmax_t maxBytes) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error) return Failure("the file is missing or not a regular file");
  if (size > maxBytes) return Failure("the file is too large to read");
  std::ifstream in(path, std::ios::binary);
  if (!in) return Failure("the file cannot be opened");
  std::vector<BYTE> bytes(static_cast<std::size_t>(size));
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  // A file that shrank while being read is taken as it was read.
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  return bytes;
}

Expected<CBitmap> ReadBmpFile(const std::filesystem::path& path) {
  auto bytes = ReadFileBytes(path, kMaxImageFileBytes);
  if (!bytes) return Failure(bytes.reason());
  auto surface = DecodeBmp(*bytes);
  if (!surface) return Failure(surface.reason());
  CBitmap bitmap;
  bitmap.AttachSurface(std::move(*surface));
  return bitmap;
}

CBitmap LoadBmpFile(const std::filesystem::path& path) {
  auto bitmap = ReadBmpFile(path);
  return bitmap ? std::move(*bitmap) : CBitmap();
}

Expected<Surface> LoadImageFile(const std::filesystem::path& path) {
  auto bytes = ReadFileBytes(path, kMaxImageFileBytes);
  if (!bytes) return Failure(bytes.reason());
  return HasPngSignature(*bytes) ? DecodePng(*bytes) : DecodeBmp(*bytes);
}
