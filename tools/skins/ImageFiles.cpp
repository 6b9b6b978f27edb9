#include "tools/skins/ImageFiles.h"

#include <png.h>

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <vector>

#include "platform/runtime/LittleEndian.h"
#include "tools/datagen/ReplaceFile.h"

namespace vespera {

namespace {

void PutU16(std::vector<unsigned char>& out, std::size_t at, std::uint16_t v) { WriteLittleU16(&out[at], v); }
void PutU32(std::vector<unsigned char>& out, std::size_t at, std::uint32_t v) { WriteLittleU32(&out[at], v); }

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

// libpng reports errors by longjmp back here; only plain values live in this
// frame, so the jump skips no destructor.
bool EncodeRgba(std::FILE* file, int width, int height, png_bytep* rows) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  if (!info) {
    png_destroy_write_struct(&png, nullptr);
    return false;
  }
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_init_io(png, file);
  png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  png_write_image(png, rows);
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

}  // namespace

void WriteBmp24(const std::filesystem::path& path, const Canvas& canvas) {
  constexpr std::size_t kHeaderBytes = 14 + 40;
  const std::size_t rowBytes = (static_cast<std::size_t>(canvas.width()) * 3 + 3) / 4 * 4;
  const std::size_t imageBytes = rowBytes * canvas.height();
  std::vector<unsigned char> file(kHeaderBytes + imageBytes, 0);
  file[0] = 'B';
  file[1] = 'M';
  PutU32(file, 2, static_cast<std::uint32_t>(file.size()));
  PutU32(file, 10, kHeaderBytes);
  PutU32(file, 14, 40);
  PutU32(file, 18, static_cast<std::uint32_t>(canvas.width()));
  PutU32(file, 22, static_cast<std::uint32_t>(canvas.height()));  // positive: bottom-up
  PutU16(file, 26, 1);
  PutU16(file, 28, 24);
  PutU32(file, 30, 0);  // BI_RGB
  PutU32(file, 34, static_cast<std::uint32_t>(imageBytes));
  PutU32(file, 38, 2835);  // 72 dpi
  PutU32(file, 42, 2835);
  for (int y = 0; y < canvas.height(); ++y) {
    unsigned char* row = &file[kHeaderBytes + rowBytes * (canvas.height() - 1 - y)];
    for (int x = 0; x < canvas.width(); ++x) {
      const Rgba p = canvas.At(x, y);
      row[3 * x] = p.b;
      row[3 * x + 1] = p.g;
      row[3 * x + 2] = p.r;
    }
  }
  ReplaceFile(path, [&](std::ostream& out) { out.write(reinterpret_cast<const char*>(file.data()), file.size()); });
}

void WritePngRgba(const std::filesystem::path& path, const Canvas& canvas) {
  std::vector<png_byte> pixels(static_cast<std::size_t>(canvas.width()) * canvas.height() * 4);
  std::vector<png_bytep> rows(canvas.height());
  for (int y = 0; y < canvas.height(); ++y) {
    rows[y] = &pixels[static_cast<std::size_t>(y) * canvas.width() * 4];
    for (int x = 0; x < canvas.width(); ++x) {
      const Rgba p = canvas.At(x, y);
      png_bytep px = rows[y] + 4 * x;
      px[0] = p.r;
      px[1] = p.g;
      px[2] = p.b;
      px[3] = p.a;
    }
  }
  std::filesystem::path temporary = path;
  temporary += ".part";
  {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(temporary.c_str(), "wb"));
    if (!file || !EncodeRgba(file.get(), canvas.width(), canvas.height(), rows.data()))
      throw std::runtime_error("cannot write " + temporary.string());
    if (std::fflush(file.get()) != 0) throw std::runtime_error("cannot write " + temporary.string());
  }
  std::filesystem::rename(temporary, path);
}

}  // namespace vespera
