#pragma once
// Reads and writes little-endian numbers at any byte address without an
// unaligned access.

#include <cstdint>

std::uint32_t ReadLittleU32(const unsigned char* bytes);
float ReadLittleFloat(const unsigned char* bytes);
std::uint16_t ReadLittleU16(const unsigned char* bytes);
void WriteLittleU32(unsigned char* bytes, std::uint32_t value);
void WriteLittleFloat(unsigned char* bytes, float value);
void WriteLittleU16(unsigned char* bytes, std::uint16_t value);
