// Any skin or page image file. The BMP decoder must refuse what it cannot
// hold without reading outside the file, the file loaders must agree with the
// decoders they wrap, and a decoded picture must be a sane opaque surface
// that the drawing code can copy at both screen depths.

#include <algorithm>
#include <optional>

#include "fuzz/targets/FuzzCheck.h"
#include "fuzz/targets/FuzzTargets.h"
#include "tests/support/ScratchFolder.h"
#include "platform/gdi/BmpDecoder.h"
#include "platform/gdi/ImageFiles.h"
#include "platform/gdi/PngCodec.h"

using vespera::ScratchFolder;

namespace {

bool SamePixels(const Surface& a, const Surface& b) {
  return a.Width() == b.Width() && a.Height() == b.Height() && a.BitsPerPixel() == b.BitsPerPixel() &&
         std::ranges::equal(a.Bytes(), b.Bytes());
}

void CheckDecodedBmp(const Surface& image, std::size_t fileBytes) {
  FUZZ_CHECK(image.BitsPerPixel() == 32);
  FUZZ_CHECK(Surface::CanCreate(image.Width(), image.Height(), 32));
  // Even at one bit a pixel the picture cannot hold more pixels than the
  // file holds bits.
  FUZZ_CHECK(std::size_t(image.Width()) * std::size_t(image.Height()) <= fileBytes * 8);
  const auto bytes = image.Bytes();
  for (std::size_t i = 3; i < bytes.size(); i += 4) FUZZ_CHECK(bytes[i] == 255);
}

// The skin buttons copy their images onto the 16- or 32-bit screen.
void DrawOnScreens(const Surface& image) {
  for (const int depth : {16, 32}) {
    Surface screen(48, 40, depth);
    const RECT all = screen.Bounds();
    screen.CopyFrom(image, image.Bounds(), {-3, 5}, all);
    screen.CopyFrom(image, {image.Width() / 2, 0, image.Width() + 7, image.Height()}, {20, -2}, all);
    screen.BlendFrom(image, {10, 10}, {0, 0, 30, 30});
  }
}

}  // namespace

void FuzzBmpLoader(FuzzBytes data) {
  const Expected<Surface> bmp = DecodeBmp(data);
  if (bmp) {
    CheckDecodedBmp(*bmp, data.size());
    DrawOnScreens(*bmp);
  } else {
    FUZZ_CHECK(bmp.reason().starts_with("BMP "));
  }

  ScratchFolder folder;
  const std::string path =
      folder.Write("Icons240.bmp", std::string_view(reinterpret_cast<const char*>(data.data()), data.size()));
  const CBitmap bitmap = LoadBmpFile(path);
  FUZZ_CHECK((bitmap.GetSafeHandle() != nullptr) == bmp.has_value());
  if (bmp) FUZZ_CHECK(SamePixels(*bitmap.GetSurface(), *bmp));

  const bool png = data.size() >= 8 && data[0] == 0x89 && data[1] == 'P';
  const Expected<Surface> image = LoadImageFile(path);
  if (!png) {
    FUZZ_CHECK(image.has_value() == bmp.has_value());
    if (bmp) FUZZ_CHECK(SamePixels(*image, *bmp));
    else FUZZ_CHECK(image.reason() == bmp.reason());
  } else if (image) {
    FUZZ_CHECK(image->BitsPerPixel() == 32 && Surface::CanCreate(image->Width(), image->Height(), 32));
    DrawOnScreens(*image);
  }

  FUZZ_CHECK(LoadBmpFile(folder.File("Missing.bmp")).GetSafeHandle() == nullptr);
}
