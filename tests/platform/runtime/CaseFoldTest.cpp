#include "platform/runtime/CaseFold.h"

#include <gtest/gtest.h>

#include "platform/runtime/CodePage.h"

// A folded designation converted to wide text must equal the wide fold of the
// same characters, or a search would miss objects whose names hold them.
TEST(CaseFold, NarrowAndWideFoldsAgreeOnEveryByte) {
  for (int b = 1; b < 256; ++b) {
    const auto byte = static_cast<unsigned char>(b);
    WideString wide = AnsiToWide(std::string(1, static_cast<char>(byte)));
    FoldWide(wide);
    const std::string narrow(1, static_cast<char>(FoldAnsiChar(byte)));
    EXPECT_EQ(AnsiToWide(narrow), wide) << "byte " << b;
  }
}

TEST(CaseFold, FoldsToLowerCaseAndIsIdempotent) {
  std::string text = "M31 Andromeda \xC0\x8A\x8C\x8E\x9F";
  FoldAnsi(text);
  EXPECT_EQ(text, "m31 andromeda \xE0\x9A\x9C\x9E\xFF");
  std::string again = text;
  FoldAnsi(again);
  EXPECT_EQ(again, text);
  EXPECT_EQ(FoldAnsiChar(0xD7), 0xD7);  // the multiplication sign is no letter
  EXPECT_EQ(FoldAnsiChar(0xDF), 0xDF);  // sharp s has no single-byte capital
}

TEST(CaseFold, WideFoldCoversGreekAndCyrillicCapitals) {
  WideString text = u"ΑΩ ЖЁ Ÿ";
  FoldWide(text);
  EXPECT_EQ(text, u"αω жё ÿ");
}

TEST(CaseFold, NulTerminatedFoldStopsAtTheTerminator) {
  char buffer[8] = {'A', 'B', '\0', 'C', 'D', '\0', '\0', '\0'};
  FoldAnsi(buffer);
  EXPECT_EQ(std::string(buffer, 5), std::string("ab\0CD", 5));
}
