#include "shell/Skin.h"

#include <algorithm>
#include <vector>

#include "appcore/ProblemReport.h"
#include "appcore/ProgramDirectory.h"
#include "platform/gdi/BmpDecoder.h"
#include "platform/gdi/ImageFiles.h"
#include "platform/handheld/HandheldShell.h"
#include "platform/runtime/CodePage.h"
#include "platform/windows/MessageBox.h"
#include "resources/SkinImageTable.h"

namespace vespera {

namespace {

bool InTable(int index) { return index >= 0 && index < kSkinTableSize; }

// The strips that ship are 24-bit; another depth draws, but its colours may
// not be the ones the caption bar and the status band are matched to.
constexpr unsigned kSkinBitsPerPixel = 24;

std::string SizeText(LONG width, LONG height) { return std::to_string(width) + " x " + std::to_string(height); }

}  // namespace

// Says what in a loaded skin file does not match its image table: the images
// past the bitmap's edge draw as nothing.
void CSkin::ReportMismatches(const std::string& path) const {
  LONG needWidth = 0;
  LONG needHeight = 0;
  for (const RECT& image : imageTable_) {
    needWidth = std::max(needWidth, image.right + 1);
    needHeight = std::max(needHeight, image.bottom + 1);
  }
  BITMAP info{};
  bitmap_.GetBitmap(&info);
  if (info.bmWidth < needWidth || info.bmHeight < needHeight)
    ReportProblem(path + ": the skin bitmap is " + SizeText(info.bmWidth, info.bmHeight) +
                  " pixels, smaller than the " + SizeText(needWidth, needHeight) + " its images need");
  const Expected<std::vector<BYTE>> file = ReadFileBytes(path, kMaxImageFileBytes);
  if (!file) return;
  if (const Expected<unsigned> depth = BmpBitsPerPixel(*file); depth && *depth != kSkinBitsPerPixel)
    ReportProblem(path + ": the skin bitmap has " + std::to_string(*depth) + " bits per pixel, not " +
                  std::to_string(kSkinBitsPerPixel));
}

const char* SkinFileName(bool highResolution, bool redScreen) {
  if (highResolution) return redScreen ? "Icons480r.bmp" : "Icons480.bmp";
  return redScreen ? "Icons240r.bmp" : "Icons240.bmp";
}

CSkin::CSkin(bool highResolution) : highResolution_(highResolution) {
  const auto& images = highResolution ? kSkinImages480 : kSkinImages240;
  std::copy(images.begin(), images.end(), imageTable_.begin());
}

void CSkin::LoadSkin(bool redScreen) {
  LoadSkinFile(GetProgramDirectory() + SkinFileName(highResolution_, redScreen));
}

void CSkin::LoadSkinFile(const std::string& path) {
  loaded_ = 0;
  std::string reason;
  CBitmap loadedBitmap = SHLoadDIBitmap(path, reason);
  if (!loadedBitmap.GetSafeHandle()) {
    ReportProblem(path + ": " + reason);
    MessageBox(nullptr, u"Cannot load skin file " + Utf8ToWide(path), u"Error:", MB_ICONEXCLAMATION | MB_OK);
    return;
  }
  bitmap_ = std::move(loadedBitmap);
  loaded_ = 1;
  ReportMismatches(path);
}

void CSkin::DrawSkinImage(CDC& dc, int index, POINT at) {
  if (!loaded_ || !InTable(index)) return;
  const RECT& image = imageTable_[std::size_t(index)];
  CDC memory;
  memory.CreateCompatibleDC(&dc);
  CBitmap* previous = memory.SelectObject(&bitmap_);
  dc.BitBlt(at.x, at.y, image.right - image.left + 1, image.bottom - image.top + 1, &memory, image.left,
            image.top, SRCCOPY);
  memory.SelectObject(previous);
  memory.DeleteDC();
}

COLORREF CSkin::GetSkinPixel(int x, int y) {
  CDC memory;
  memory.CreateCompatibleDC(nullptr);
  CBitmap* previous = memory.SelectObject(&bitmap_);
  const COLORREF colour = memory.GetPixel(x, y);
  memory.SelectObject(previous);
  memory.DeleteDC();
  return colour;
}

RECT CSkin::ImageRect(int index) const { return InTable(index) ? imageTable_[std::size_t(index)] : RECT{}; }

SIZE CSkin::ImageSize(int index) const {
  const RECT image = ImageRect(index);
  return {image.right - image.left, image.bottom - image.top};
}

}  // namespace vespera
