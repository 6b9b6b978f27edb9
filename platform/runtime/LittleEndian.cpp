#include "platform/runtime/LittleEndian.h"

#include <bit>

std::uint32_t ReadLittleU32(const unsigned char* b) {
  return std::uint32_t(b[0]) | (std::uint32_t(b[1]) << 8) | (std::uint32_t(b[2]) << 16) |
         (std::uint32_t(b[3]) << 24);
}

std::uint16_t ReadLittleU16(const unsigned char* b) {
  return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
}

float ReadLittleFloat(const unsigned char* b) { return std::bit_cast<float>(ReadLittleU32(b)); }

void WriteLittleU32(unsigned char* b, std::uint32_t v) {
  b[0] = static_cast<unsigned char>(v);
  b[1] = static_cast<unsigned char>(v >> 8);
  b[2] = static_cast<unsigned char>(v >> 16);
  b[3] = static_cast<unsigned char>(v >> 24);
}

void WriteLittleU16(unsigned char* b, std::uint16_t v) {
  b[0] = static_cast<unsigned char>(v);
  b[1] = static_cast<unsigned char>(v >> 8);
}

void WriteLittleFloat(unsigned char* b, float v) { WriteLittleU32(b, std::bit_cast<std::uint32_t>(v)); }
