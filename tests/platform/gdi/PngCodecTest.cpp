#include "platform/gdi/PngCodec.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <string>

#include "platform/gdi/ImageFiles.h"
#include "tests/platform/gdi/GdiTestSupport.h"

namespace {

// The chunk checksum PNG uses (CRC-32, reflected, polynomial 0xEDB88320).
std::uint32_t Crc32(const BYTE* data, std::size_t size) {
  std::uint32_t crc = 0xFFFFFFFF;
  for (std::size_t i = 0; i < size; ++i) {
    crc ^= data[i];
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320 & (0u - (crc & 1)));
  }
  return ~crc;
}

COLORREF Pattern(LONG x, LONG y) { return RGB(BYTE(x * 40), BYTE(y * 60), BYTE(255 - x * 20)); }

TEST(PngWrite, ReadsBackWhatTheSurfaceShowsAtBothDepths) {
  ScratchFolder folder;
  for (int depth : {32, 16}) {
    Surface surface(7, 4, depth);
    for (LONG y = 0; y < 4; ++y)
      for (LONG x = 0; x < 7; ++x) surface.SetPixel(x, y, Pattern(x, y));
    const auto path = folder / ("shot" + std::to_string(depth) + ".png");
    ASSERT_TRUE(SaveSurfacePng(surface, path));

    auto image = LoadImageFile(path);
    ASSERT_TRUE(image);
    ASSERT_EQ(image->Width(), 7);
    ASSERT_EQ(image->Height(), 4);
    for (LONG y = 0; y < 4; ++y)
      for (LONG x = 0; x < 7; ++x) {
        // At 16 bits each channel was stored as its nibble and comes back x 17.
        ASSERT_EQ(image->GetPixel(x, y), surface.GetPixel(x, y)) << depth << ": " << x << "," << y;
        ASSERT_EQ(image->Row(y)[4 * x + 3], 255);
      }
  }
}

TEST(PngWrite, UnwritablePathIsReportedAsFailure) {
  ScratchFolder folder;
  Surface surface(2, 2, 32);
  EXPECT_FALSE(SaveSurfacePng(surface, folder / "no-such-folder" / "shot.png"));
}

TEST(PngRead, DamagedFilesGiveNothing) {
  ScratchFolder folder;
  Surface surface(16, 16, 32);
  surface.Fill({2, 2, 9, 9}, RGB(200, 10, 10));
  ASSERT_TRUE(SaveSurfacePng(surface, folder / "good.png"));
  auto bytes = ReadFileBytes(folder / "good.png", kMaxImageFileBytes);
  ASSERT_TRUE(bytes);
  ASSERT_TRUE(DecodePng(*bytes));

  for (std::size_t length : {std::size_t(0), std::size_t(8), std::size_t(33), bytes->size() / 2, bytes->size() - 13}) {
    std::vector<BYTE> cut(bytes->begin(), bytes->begin() + std::ptrdiff_t(length));
    EXPECT_FALSE(DecodePng(cut)) << length;
  }
  EXPECT_EQ(DecodePng(std::vector<BYTE>(bytes->begin(), bytes->begin() + 8)).reason(),
            "PNG file is damaged before its pixels");
  auto corrupt = *bytes;
  corrupt[bytes->size() / 2] ^= 0xFF;  // inside the compressed data: the checksum fails
  const Expected<Surface> decoded = DecodePng(corrupt);
  ASSERT_FALSE(decoded);
  EXPECT_NE(decoded.reason().find("is damaged"), std::string::npos) << decoded.reason();
}

// Rewrites the size in the header chunk (after the signature, length and
// type) and fixes its checksum, so only the size can make a decoder refuse.
void SetPngSize(std::vector<BYTE>& png, std::uint32_t width, std::uint32_t height) {
  for (int i = 0; i < 4; ++i) {
    png[16 + i] = BYTE(width >> (24 - 8 * i));
    png[20 + i] = BYTE(height >> (24 - 8 * i));
  }
  const std::uint32_t crc = Crc32(&png[12], 17);
  for (int i = 0; i < 4; ++i) png[29 + i] = BYTE(crc >> (24 - 8 * i));
}

TEST(PngRead, HugeDeclaredSizeIsRefusedBeforeDecoding) {
  ScratchFolder folder;
  Surface surface(1, 1, 32);
  ASSERT_TRUE(SaveSurfacePng(surface, folder / "tiny.png"));
  auto bytes = *ReadFileBytes(folder / "tiny.png", kMaxImageFileBytes);
  SetPngSize(bytes, 1, 1);
  ASSERT_TRUE(DecodePng(bytes));
  // Both are within libpng's own limits; ours stop them.
  SetPngSize(bytes, 20000, 20);
  EXPECT_FALSE(DecodePng(bytes));
  SetPngSize(bytes, 16000, 16000);
  const Expected<Surface> decoded = DecodePng(bytes);
  ASSERT_FALSE(decoded);
  EXPECT_EQ(decoded.reason(), "PNG size is beyond the surface limits");
}

TEST(ImageFiles, UnknownOrOversizedFilesAreNotRead) {
  ScratchFolder folder;
  {
    std::ofstream out(folder / "notes.txt");
    out << "not an image";
  }
  EXPECT_EQ(LoadImageFile(folder / "notes.txt").reason(), "BMP file is shorter than its headers");
  EXPECT_EQ(LoadImageFile(folder / "missing.png").reason(), "the file is missing or not a regular file");
  EXPECT_EQ(ReadFileBytes(folder / "notes.txt", 3).reason(), "the file is too large to read");
  EXPECT_EQ(ReadFileBytes(folder / "notes.txt", 100)->size(), 12u);
}

}  // namespace
