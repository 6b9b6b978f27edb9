#pragma once
// Catalogue records built field by field, for tests that write or hold small
// catalogues of their own.

#include <string_view>

#include "catalog/SkyRecords.h"

namespace vespera {

inline SkyObjectRecord MakeObject(float ra, float dec, float magnitude, std::string_view designation = "") {
  SkyObjectRecord record;
  record.SetRa(ra);
  record.SetDec(dec);
  record.SetMagnitude(magnitude);
  record.SetDesignation(designation);
  return record;
}

inline ObjectNameRecord MakeName(std::string_view designation, std::string_view name) {
  ObjectNameRecord record;
  record.SetDesignation(designation);
  record.SetName(name);
  return record;
}

inline ConstellationLabel MakeLabel(float ra, float dec, std::u16string_view shortName,
                                    std::u16string_view fullName) {
  ConstellationLabel label;
  label.SetRa(ra);
  label.SetDec(dec);
  label.SetShortName(shortName);
  label.SetFullName(fullName);
  return label;
}

}  // namespace vespera
