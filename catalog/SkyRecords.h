#pragma once
// The catalogue records, kept exactly as they lie in the data files: packed
// byte images, little-endian. Fields are read through accessors that copy the
// bytes out, so a record at any address is read without an unaligned access.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "platform/runtime/WinTypes.h"

namespace vespera {

inline constexpr std::size_t kDesignationBytes = 10;
inline constexpr std::size_t kNameBytes = 303;
inline constexpr std::size_t kShortNameUnits = 4;
inline constexpr std::size_t kFullNameUnits = 25;

// The magnitude field of a deep-sky object whose magnitude no source knows (a
// dark nebula has none by nature): the "All" limit of the map, which every
// real magnitude is brighter than, so the object shows only there or when it
// is selected. It is no magnitude: not shown as one, and never a reason to
// change the limit.
inline constexpr float kPlaceholderMagnitude = 20.0f;
inline bool IsPlaceholderMagnitude(float magnitude) { return magnitude == kPlaceholderMagnitude; }
// "%.2f" of the magnitude, or "unknown" for the placeholder; ASCII.
std::string MagnitudeText(float magnitude);

// Where each field starts within its record; every record is its fields back
// to back, with no padding.
struct SkyObjectLayout {
  static constexpr std::size_t kRa = 0, kDec = 4, kMagnitude = 8, kDesignation = 12;
};
struct ObjectNameLayout {
  static constexpr std::size_t kDesignation = 0, kName = kDesignation + kDesignationBytes;
};
struct ConstellationLabelLayout {
  static constexpr std::size_t kShortName = 0, kFullName = kShortName + 2 * kShortNameUnits,
                               kRa = kFullName + 2 * kFullNameUnits, kDec = kRa + 4;
};

// One star, deep-sky object or constellation line end point.
struct SkyObjectRecord {
  static constexpr std::size_t kSize = 22;
  std::array<unsigned char, kSize> bytes{};

  float ra() const;
  float dec() const;
  float magnitude() const;
  // ANSI text, NUL-terminated within its 10 bytes in a well-formed file; a
  // damaged record may fill the field, so readers bound it by kDesignationBytes.
  const char* designation() const { return reinterpret_cast<const char*>(bytes.data() + SkyObjectLayout::kDesignation); }

  void SetRa(float value);
  void SetDec(float value);
  void SetMagnitude(float value);
  void SetDesignation(std::string_view ansi);  // cut to 9 bytes
};

// A common name keyed by the designation of its object.
struct ObjectNameRecord {
  static constexpr std::size_t kSize = 313;
  std::array<unsigned char, kSize> bytes{};

  const char* designation() const {
    return reinterpret_cast<const char*>(bytes.data() + ObjectNameLayout::kDesignation);
  }
  const char* name() const { return reinterpret_cast<const char*>(bytes.data() + ObjectNameLayout::kName); }

  void SetDesignation(std::string_view ansi);  // cut to 9 bytes
  void SetName(std::string_view ansi);         // cut to 302 bytes
};

// A constellation name placed on the sky; names are UTF-16LE in the record.
struct ConstellationLabel {
  static constexpr std::size_t kSize = 66;
  std::array<unsigned char, kSize> bytes{};

  WideString shortName() const;
  WideString fullName() const;
  float ra() const;
  float dec() const;

  void SetShortName(std::u16string_view text);  // cut to 3 units
  void SetFullName(std::u16string_view text);   // cut to 24 units
  void SetRa(float value);
  void SetDec(float value);
};

static_assert(SkyObjectLayout::kDesignation + kDesignationBytes == SkyObjectRecord::kSize);
static_assert(ObjectNameLayout::kName + kNameBytes == ObjectNameRecord::kSize);
static_assert(ConstellationLabelLayout::kDec + 4 == ConstellationLabel::kSize);
static_assert(sizeof(SkyObjectRecord) == SkyObjectRecord::kSize);
static_assert(sizeof(ObjectNameRecord) == ObjectNameRecord::kSize);
static_assert(sizeof(ConstellationLabel) == ConstellationLabel::kSize);
static_assert(alignof(SkyObjectRecord) == 1 && alignof(ObjectNameRecord) == 1 &&
              alignof(ConstellationLabel) == 1);

// Records built field by field: the data generator's and the tests' small
// catalogues. Designations and names are ANSI and cut to their fields.
SkyObjectRecord MakeObjectRecord(float ra, float dec, float magnitude, std::string_view designation = "");
ObjectNameRecord MakeNameRecord(std::string_view designation, std::string_view name);
ConstellationLabel MakeLabelRecord(float ra, float dec, std::u16string_view shortName, std::u16string_view fullName);

// Wide forms of the ANSI fields, bounded by their field widths.
WideString DesignationText(const SkyObjectRecord& record);
WideString DesignationText(const ObjectNameRecord& record);
WideString NameText(const ObjectNameRecord& record);

}  // namespace vespera
