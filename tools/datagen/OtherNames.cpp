#include "tools/datagen/OtherNames.h"

#include <cmath>
#include <stdexcept>

#include "tools/datagen/FactText.h"

namespace vespera {

namespace {

std::runtime_error EntryError(const char* section, std::size_t position, const std::string& what) {
  return std::runtime_error(std::string("names file, ") + section + " entry " + std::to_string(position + 1) + ": " + what);
}

std::vector<std::string> Names(const Json& entry, const char* section, std::size_t position) {
  const Json& list = Member(entry, "names");
  std::vector<std::string> names;
  if (list.is_array())
    for (const Json& name : list)
      if (name.is_string() && !name.get_ref<const std::string&>().empty()) names.push_back(name.get<std::string>());
  if (names.empty() || names.size() != list.size()) throw EntryError(section, position, "needs a list of names");
  return names;
}

std::optional<SkyPoint> Position(const Json& entry, std::size_t position) {
  const std::string raText = TextField(entry, "ra"), decText = TextField(entry, "dec");
  if (raText.empty() && decText.empty()) return std::nullopt;
  const auto ra = ParseRightAscension(raText);
  const auto dec = ParseDeclination(decText);
  if (!ra || !dec) throw EntryError("deepSky", position, "\"ra\" and \"dec\" cannot be read");
  return SkyPoint{static_cast<float>(*ra), static_cast<float>(*dec)};
}

}  // namespace

OtherNames ParseOtherNames(const Json& file) {
  OtherNames result;
  const Json& stars = Member(file, "stars");
  for (std::size_t i = 0; stars.is_array() && i < stars.size(); ++i) {
    const auto hip = NumberField(stars[i], "hip");
    if (!hip || *hip < 1 || *hip != std::floor(*hip)) throw EntryError("stars", i, "needs a Hipparcos number \"hip\"");
    result.stars.push_back({static_cast<long>(*hip), Names(stars[i], "stars", i)});
  }
  const Json& owners = Member(file, "designationOwners");
  for (std::size_t i = 0; owners.is_array() && i < owners.size(); ++i) {
    const std::string designation = TextField(owners[i], "designation");
    const auto hip = NumberField(owners[i], "hip");
    if (designation.empty() || !hip || *hip < 1 || *hip != std::floor(*hip))
      throw EntryError("designationOwners", i, "needs a \"designation\" and a Hipparcos number \"hip\"");
    result.starDesignationOwners.emplace(designation, static_cast<long>(*hip));
  }
  const Json& nameOwners = Member(file, "starNameOwners");
  for (std::size_t i = 0; nameOwners.is_array() && i < nameOwners.size(); ++i) {
    const std::string name = TextField(nameOwners[i], "name");
    const auto hip = NumberField(nameOwners[i], "hip");
    StarNameOwner owner{hip ? static_cast<long>(*hip) : 0, TextField(nameOwners[i], "why")};
    if (name.empty() || !hip || *hip < 1 || *hip != std::floor(*hip) || owner.why.empty())
      throw EntryError("starNameOwners", i, "needs a \"name\", a Hipparcos number \"hip\" and a reason \"why\"");
    if (!result.starNameOwners.emplace(name, owner).second) throw EntryError("starNameOwners", i, name + " is listed twice");
  }
  const Json& deepSky = Member(file, "deepSky");
  for (std::size_t i = 0; deepSky.is_array() && i < deepSky.size(); ++i) {
    DeepSkyOtherNames entry;
    entry.designation = TextField(deepSky[i], "designation");
    if (entry.designation.empty()) throw EntryError("deepSky", i, "needs a \"designation\"");
    entry.names = Names(deepSky[i], "deepSky", i);
    entry.point = Position(deepSky[i], i);
    if (const auto magnitude = NumberField(deepSky[i], "magnitude")) entry.magnitude = static_cast<float>(*magnitude);
    if (entry.point && !entry.magnitude) throw EntryError("deepSky", i, "an added object needs a \"magnitude\"");
    result.deepSky.push_back(std::move(entry));
  }
  const Json& deepSkyOwners = Member(file, "deepSkyNameOwners");
  for (std::size_t i = 0; deepSkyOwners.is_array() && i < deepSkyOwners.size(); ++i) {
    const std::string name = TextField(deepSkyOwners[i], "name");
    DeepSkyNameOwner owner{TextField(deepSkyOwners[i], "designation"), TextField(deepSkyOwners[i], "why")};
    const bool dropped = Member(deepSkyOwners[i], "dropped") == Json(true);
    if (name.empty() || owner.designation.empty() == !dropped || owner.why.empty())
      throw EntryError("deepSkyNameOwners", i, "needs a \"name\", a \"designation\" or \"dropped\": true, and a reason \"why\"");
    if (!result.deepSkyNameOwners.emplace(name, owner).second)
      throw EntryError("deepSkyNameOwners", i, name + " is listed twice");
  }
  const Json& withoutMagnitude = Member(file, "deepSkyWithoutMagnitude");
  for (std::size_t i = 0; withoutMagnitude.is_array() && i < withoutMagnitude.size(); ++i) {
    const std::string designation = TextField(withoutMagnitude[i], "designation");
    const std::string why = TextField(withoutMagnitude[i], "why");
    if (designation.empty() || why.empty())
      throw EntryError("deepSkyWithoutMagnitude", i, "needs a \"designation\" and a reason \"why\"");
    result.deepSkyWithoutMagnitude.emplace(designation, why);
  }
  return result;
}

}  // namespace vespera
