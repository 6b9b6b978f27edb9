#include "platform/runtime/CaseFold.h"

#include "platform/runtime/CodePage.h"

unsigned char FoldAnsiChar(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
  switch (c) {
    case 0x8A: return 0x9A;  // S caron
    case 0x8C: return 0x9C;  // OE ligature
    case 0x8E: return 0x9E;  // Z caron
    case 0x9F: return 0xFF;  // Y diaeresis
    default: return c;
  }
}

void FoldAnsi(char* text) {
  for (; *text != '\0'; ++text)
    *text = static_cast<char>(FoldAnsiChar(static_cast<unsigned char>(*text)));
}

void FoldAnsi(std::string& text) {
  for (char& c : text) c = static_cast<char>(FoldAnsiChar(static_cast<unsigned char>(c)));
}

char16_t FoldWideChar(char16_t c) {
  if (c < 0x80) return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c;
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return char16_t(c + 32);
  if (c == 0x0178) return 0x00FF;  // Y diaeresis folds outside its own block
  // Latin Extended-A: upper and lower case alternate in pairs.
  if ((c >= 0x0100 && c <= 0x0137) || (c >= 0x014A && c <= 0x0177))
    return char16_t(c | 1);
  if ((c >= 0x0139 && c <= 0x0148) || (c >= 0x0179 && c <= 0x017E))
    return (c & 1) ? char16_t(c + 1) : c;
  // Greek and Cyrillic capitals.
  if (c >= 0x0391 && c <= 0x03AB && c != 0x03A2) return char16_t(c + 32);
  if (c >= 0x0410 && c <= 0x042F) return char16_t(c + 32);
  if (c >= 0x0400 && c <= 0x040F) return char16_t(c + 80);
  return c;
}

void FoldWide(WideString& text) {
  for (char16_t& c : text) c = FoldWideChar(c);
}
