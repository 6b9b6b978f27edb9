// Checks the information files and skins staged in the program folder.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "info/InfoPages.h"
#include "info/IniFile.h"
#include "platform/gdi/ImageFiles.h"
#include "platform/runtime/CodePage.h"
#include "platform/runtime/LittleEndian.h"

using namespace vespera;

namespace {

const std::string kProgramDir = VESPERA_PROGRAM_DIR;
const std::string kIconDir = VESPERA_ICON_DIR;

IniFile Load(const char* name) {
  IniFile file;
  EXPECT_TRUE(LoadIniFile(kProgramDir + name, file));
  return file;
}

std::vector<unsigned char> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

TEST(GeneratedPages, ListFilesHoldTheOverviewAndEveryObject) {
  for (const auto& [file, count, prefix] : {std::tuple{"Messier.ini", 110, "M"}, std::tuple{"Caldwell.ini", 109, "C"}}) {
    const IniFile pages = Load(file);
    ASSERT_EQ(pages.size(), static_cast<std::size_t>(count) + 1) << file;
    for (int n = 0; n <= count; ++n) {
      const int s = FindSection(pages, Utf8ToWide(std::to_string(n)));
      ASSERT_GE(s, 0) << file << " section " << n;
      const std::string body = WideToUtf8(pages[s].body);
      if (n == 0) {
        EXPECT_NE(body.find(std::string("<b>") + prefix + std::to_string(count) + "</b>"), std::string::npos);
        continue;
      }
      const std::string label = prefix + std::to_string(n);
      EXPECT_EQ(body.rfind("<h3>" + label, 0), 0u) << file << " " << label;
      for (const char* row : {"Type", "Constellation", "RA (J2000)", "Dec (J2000)", "Magnitude"})
        EXPECT_NE(body.find(std::string("<b>") + row + "</b>"), std::string::npos) << label << " " << row;
      // The description follows the table: at least two sentences.
      const std::string notes = body.substr(body.rfind("<p>"));
      EXPECT_GE(std::count(notes.begin(), notes.end(), '.'), 2) << label;
    }
    const WideString page = BuildInfoPage(pages, 31, false, kProgramDir);
    EXPECT_EQ(page.find(u"was not found"), WideString::npos);
  }
}

TEST(GeneratedPages, HelpPageIsFoundAndReadsAsSentences) {
  const IniFile help = Load("Help.ini");
  ASSERT_GE(FindSection(help, kHelpSectionName), 0);
  const std::string page = WideToUtf8(BuildHelpPage(help, false, "/opt/prog/"));
  EXPECT_EQ(page.find("Cannot find Help.ini"), std::string::npos);
  for (const char* example : {"M31", "18del Cyg", "Vega", "Red screen mode", "Search", "Messier"})
    EXPECT_NE(page.find(example), std::string::npos) << example;

  // Lines are joined without a separator: a line that does not end in markup
  // must end with the underscore that becomes a space, or words run together.
  std::ifstream in(kProgramDir + "Help.ini");
  std::string line;
  bool inMain = false;
  int lineNumber = 0;
  while (std::getline(in, line)) {
    ++lineNumber;
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
    if (line.empty() || line[0] == ';') continue;
    if (line[0] == '[') {
      inMain = line == "[Main]";
      continue;
    }
    if (inMain) {
      EXPECT_TRUE(line.back() == '>' || line.back() == '_') << "Help.ini line " << lineNumber << ": " << line;
    }
  }
}

struct Bitmap {
  int width = 0, height = 0, bits = 0;
  std::vector<unsigned char> bytes;
  // R, G, B of pixel (x, y) counted from the top.
  std::array<int, 3> At(int x, int y) const {
    const std::size_t row = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
    const unsigned char* p = &bytes[ReadLittleU32(&bytes[10]) + row * (height - 1 - y) + 3 * x];
    return {p[2], p[1], p[0]};
  }
};

Bitmap ReadBitmap(const char* name) {
  Bitmap bitmap;
  bitmap.bytes = ReadBytes(kProgramDir + name);
  if (bitmap.bytes.size() < 54 || bitmap.bytes[0] != 'B' || bitmap.bytes[1] != 'M') return bitmap;
  bitmap.width = static_cast<int>(ReadLittleU32(&bitmap.bytes[18]));
  bitmap.height = static_cast<int>(ReadLittleU32(&bitmap.bytes[22]));
  bitmap.bits = ReadLittleU16(&bitmap.bytes[28]);
  return bitmap;
}

TEST(GeneratedSkins, FourStripsOfTheRightSizesAndColours) {
  for (const auto& [name, minWidth, minHeight, red] :
       {std::tuple{"Icons240.bmp", 163, 26, false}, std::tuple{"Icons240r.bmp", 163, 26, true},
        std::tuple{"Icons480.bmp", 327, 52, false}, std::tuple{"Icons480r.bmp", 327, 52, true}}) {
    const Bitmap bitmap = ReadBitmap(name);
    ASSERT_GE(bitmap.width, minWidth) << name;
    ASSERT_GE(bitmap.height, minHeight) << name;
    ASSERT_EQ(bitmap.bits, 24) << name;
    ASSERT_GE(bitmap.bytes.size(), 54 + static_cast<std::size_t>(bitmap.height) * ((bitmap.width * 3 + 3) / 4 * 4));
    const auto caption = bitmap.At(52, 15);
    if (red) {
      for (int y = 0; y < bitmap.height; ++y)
        for (int x = 0; x < bitmap.width; ++x) {
          const auto p = bitmap.At(x, y);
          ASSERT_TRUE(p[1] == 0 && p[2] == 0) << name << " " << x << "," << y;
        }
      EXPECT_GT(caption[0], 30) << name;  // dark red, so the red title reads on it
      EXPECT_LT(caption[0], 128) << name;
    } else {
      EXPECT_LT(caption[0] + caption[1] + caption[2], 200) << name;  // a dark sky colour
      EXPECT_GT(caption[2], caption[0]) << name;
    }
  }
}

// The platform's own bitmap loader, which the skin goes through, reads every
// strip with the caption colour where the program looks for it.
TEST(GeneratedSkins, ThePlatformLoaderReadsEveryStrip) {
  for (const char* name : {"Icons240.bmp", "Icons240r.bmp", "Icons480.bmp", "Icons480r.bmp"}) {
    const CBitmap loaded = LoadBmpFile(kProgramDir + name);
    ASSERT_NE(loaded.GetSurface(), nullptr) << name;
    const Bitmap file = ReadBitmap(name);
    EXPECT_EQ(loaded.GetSurface()->Width(), file.width) << name;
    EXPECT_EQ(loaded.GetSurface()->Height(), file.height) << name;
    const auto caption = file.At(52, 15);
    EXPECT_EQ(loaded.GetSurface()->GetPixel(52, 15), RGB(caption[0], caption[1], caption[2])) << name;
  }
}

TEST(GeneratedSkins, ApplicationIconIsAPng) {
  for (const char* name : {"vespera-48.png", "vespera-128.png"}) {
    const auto bytes = ReadBytes(kIconDir + name);
    ASSERT_GT(bytes.size(), 8u) << name;
    EXPECT_EQ(std::string(bytes.begin() + 1, bytes.begin() + 4), "PNG") << name;
  }
}

}  // namespace
