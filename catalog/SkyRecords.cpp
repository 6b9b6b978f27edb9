#include "catalog/SkyRecords.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "platform/runtime/CodePage.h"
#include "platform/runtime/LittleEndian.h"

namespace vespera {

std::string MagnitudeText(float magnitude) {
  if (IsPlaceholderMagnitude(magnitude)) return "unknown";
  // 64 bytes hold even FLT_MAX.
  char text[64];
  const int length = std::snprintf(text, sizeof text, "%.2f", static_cast<double>(magnitude));
  return std::string(text, static_cast<std::size_t>(std::clamp(length, 0, static_cast<int>(sizeof text) - 1)));
}

namespace {

void WriteAnsiField(unsigned char* field, std::size_t width, std::string_view text) {
  std::memset(field, 0, width);
  if (!text.empty()) std::memcpy(field, text.data(), std::min(text.size(), width - 1));
}

WideString ReadWideField(const unsigned char* field, std::size_t units) {
  WideString out;
  for (std::size_t i = 0; i < units; ++i) {
    const char16_t c = ReadLittleU16(field + 2 * i);
    if (c == 0) break;
    out += c;
  }
  return out;
}

void WriteWideField(unsigned char* field, std::size_t units, std::u16string_view text) {
  std::memset(field, 0, units * 2);
  const std::size_t n = std::min(text.size(), units - 1);
  for (std::size_t i = 0; i < n; ++i) WriteLittleU16(field + 2 * i, text[i]);
}

}  // namespace

float SkyObjectRecord::ra() const { return ReadLittleFloat(bytes.data() + SkyObjectLayout::kRa); }
float SkyObjectRecord::dec() const { return ReadLittleFloat(bytes.data() + SkyObjectLayout::kDec); }
float SkyObjectRecord::magnitude() const { return ReadLittleFloat(bytes.data() + SkyObjectLayout::kMagnitude); }
void SkyObjectRecord::SetRa(float v) { WriteLittleFloat(bytes.data() + SkyObjectLayout::kRa, v); }
void SkyObjectRecord::SetDec(float v) { WriteLittleFloat(bytes.data() + SkyObjectLayout::kDec, v); }
void SkyObjectRecord::SetMagnitude(float v) { WriteLittleFloat(bytes.data() + SkyObjectLayout::kMagnitude, v); }
void SkyObjectRecord::SetDesignation(std::string_view ansi) {
  WriteAnsiField(bytes.data() + SkyObjectLayout::kDesignation, kDesignationBytes, ansi);
}

void ObjectNameRecord::SetDesignation(std::string_view ansi) {
  WriteAnsiField(bytes.data() + ObjectNameLayout::kDesignation, kDesignationBytes, ansi);
}
void ObjectNameRecord::SetName(std::string_view ansi) {
  WriteAnsiField(bytes.data() + ObjectNameLayout::kName, kNameBytes, ansi);
}

WideString ConstellationLabel::shortName() const { return ReadWideField(bytes.data() + ConstellationLabelLayout::kShortName, kShortNameUnits); }
WideString ConstellationLabel::fullName() const { return ReadWideField(bytes.data() + ConstellationLabelLayout::kFullName, kFullNameUnits); }
float ConstellationLabel::ra() const { return ReadLittleFloat(bytes.data() + ConstellationLabelLayout::kRa); }
float ConstellationLabel::dec() const { return ReadLittleFloat(bytes.data() + ConstellationLabelLayout::kDec); }
void ConstellationLabel::SetShortName(std::u16string_view t) { WriteWideField(bytes.data() + ConstellationLabelLayout::kShortName, kShortNameUnits, t); }
void ConstellationLabel::SetFullName(std::u16string_view t) { WriteWideField(bytes.data() + ConstellationLabelLayout::kFullName, kFullNameUnits, t); }
void ConstellationLabel::SetRa(float v) { WriteLittleFloat(bytes.data() + ConstellationLabelLayout::kRa, v); }
void ConstellationLabel::SetDec(float v) { WriteLittleFloat(bytes.data() + ConstellationLabelLayout::kDec, v); }

SkyObjectRecord MakeObjectRecord(float ra, float dec, float magnitude, std::string_view designation) {
  SkyObjectRecord record;
  record.SetRa(ra);
  record.SetDec(dec);
  record.SetMagnitude(magnitude);
  record.SetDesignation(designation);
  return record;
}

ObjectNameRecord MakeNameRecord(std::string_view designation, std::string_view name) {
  ObjectNameRecord record;
  record.SetDesignation(designation);
  record.SetName(name);
  return record;
}

ConstellationLabel MakeLabelRecord(float ra, float dec, std::u16string_view shortName, std::u16string_view fullName) {
  ConstellationLabel label;
  label.SetRa(ra);
  label.SetDec(dec);
  label.SetShortName(shortName);
  label.SetFullName(fullName);
  return label;
}

WideString DesignationText(const SkyObjectRecord& r) { return AnsiToWide(r.designation(), kDesignationBytes); }
WideString DesignationText(const ObjectNameRecord& r) { return AnsiToWide(r.designation(), kDesignationBytes); }
WideString NameText(const ObjectNameRecord& r) { return AnsiToWide(r.name(), kNameBytes); }

}  // namespace vespera
