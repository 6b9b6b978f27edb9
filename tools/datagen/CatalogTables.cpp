#include "tools/datagen/CatalogTables.h"

namespace vespera {

SkyObjectRecord MakeObjectRecord(float ra, float dec, float magnitude, const std::string& designation) {
  SkyObjectRecord record;
  record.SetRa(ra);
  record.SetDec(dec);
  record.SetMagnitude(magnitude);
  record.SetDesignation(designation);
  return record;
}

ObjectNameRecord MakeNameRecord(const std::string& designation, const std::string& name) {
  ObjectNameRecord record;
  record.SetDesignation(designation);
  record.SetName(name);
  return record;
}

}  // namespace vespera
