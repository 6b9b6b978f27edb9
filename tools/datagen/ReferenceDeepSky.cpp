#include "tools/datagen/ReferenceDeepSky.h"

#include <cctype>
#include <memory>
#include <stdexcept>

#include <sqlite3.h>

namespace vespera {

namespace {

// KStars' object types: 0 and 1 are stars, 2 a planet; 3 open and 4 globular
// clusters, 5 nebulae, 6 planetary nebulae, 7 supernova remnants, 8 galaxies.
constexpr int kFirstDeepSkyType = 3, kLastDeepSkyType = 8;
constexpr int kDuplicateType = 255;

struct CloseDatabase {
  void operator()(sqlite3* db) const { sqlite3_close(db); }
};
struct FinishStatement {
  void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};

std::string ColumnText(sqlite3_stmt* statement, int column) {
  const unsigned char* text = sqlite3_column_text(statement, column);
  return text ? reinterpret_cast<const char*>(text) : "";
}

std::optional<float> ColumnNumber(sqlite3_stmt* statement, int column) {
  if (sqlite3_column_type(statement, column) == SQLITE_NULL) return std::nullopt;
  return static_cast<float>(sqlite3_column_double(statement, column));
}

// "PGC 65862", "Mel 25", "Sh2 155" (a short catalogue name and a number) or
// "gam Cyg", "eps Ori" (a star's Bayer designation): not a common name.
bool IsCatalogueNumber(const std::string& text) {
  const std::size_t space = text.find(' ');
  if (space == std::string::npos || space == 0 || space > 5 || space + 1 >= text.size()) return false;
  const std::string rest = text.substr(space + 1);
  if (std::isdigit(static_cast<unsigned char>(rest[0]))) return true;
  const bool greek = space <= 4 && std::islower(static_cast<unsigned char>(text[0]));
  return greek && rest.size() == 3 && std::isupper(static_cast<unsigned char>(rest[0]));
}

// The sky package's type code for one of KStars' object types.
std::string TypeCode(int type) {
  static const char* const kCodes[] = {"", "", "", "oc", "gc", "bn", "pn", "snr", "g"};
  return type >= 0 && type <= kLastDeepSkyType ? kCodes[type] : "";
}

}  // namespace

std::vector<std::string> ReferenceCommonNames(const std::string& longName) {
  std::vector<std::string> names;
  std::size_t start = 0;
  while (start <= longName.size()) {
    const std::size_t comma = longName.find(", ", start);
    const std::string part = longName.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
    if (!part.empty() && !IsCatalogueNumber(part)) names.push_back(part);
    if (comma == std::string::npos) break;
    start = comma + 2;
  }
  return names;
}

std::vector<ReferenceObject> ReadReferenceDeepSky(const std::filesystem::path& catalogFile) {
  const auto failure = [&](const std::string& what) {
    return std::runtime_error(catalogFile.string() + ": " + what + " (install the kstars-data package)");
  };
  if (!std::filesystem::is_regular_file(catalogFile)) throw failure("missing");
  sqlite3* opened = nullptr;
  const int openCode = sqlite3_open_v2(catalogFile.c_str(), &opened, SQLITE_OPEN_READONLY, nullptr);
  const std::unique_ptr<sqlite3, CloseDatabase> db(opened);
  if (openCode != SQLITE_OK) throw failure("cannot be opened");
  sqlite3_stmt* prepared = nullptr;
  const char* kQuery = "SELECT name, type, ra, dec, magnitude, long_name, major_axis FROM cat";
  if (sqlite3_prepare_v2(db.get(), kQuery, -1, &prepared, nullptr) != SQLITE_OK)
    throw failure(std::string("not a KStars catalogue: ") + sqlite3_errmsg(db.get()));
  const std::unique_ptr<sqlite3_stmt, FinishStatement> statement(prepared);
  std::vector<ReferenceObject> objects;
  int step = SQLITE_ROW;
  while ((step = sqlite3_step(statement.get())) == SQLITE_ROW) {
    ReferenceObject object;
    object.designation = ColumnText(statement.get(), 0);
    const int type = sqlite3_column_int(statement.get(), 1);
    const auto ra = ColumnNumber(statement.get(), 2), dec = ColumnNumber(statement.get(), 3);
    // Other types mark duplicates and entries that are no object at all.
    if (object.designation.empty() || !ra || !dec || type < 0 || (type > kLastDeepSkyType && type != kDuplicateType))
      continue;
    object.duplicate = type == kDuplicateType;
    object.point = {*ra, *dec};
    object.typeCode = TypeCode(type);
    if (type >= kFirstDeepSkyType && type <= kLastDeepSkyType) object.magnitude = ColumnNumber(statement.get(), 4);
    object.names = ReferenceCommonNames(ColumnText(statement.get(), 5));
    object.size = ColumnNumber(statement.get(), 6);
    objects.push_back(std::move(object));
  }
  if (step != SQLITE_DONE) throw failure(std::string("cannot be read: ") + sqlite3_errmsg(db.get()));
  if (objects.empty()) throw failure("holds no objects");
  return objects;
}

}  // namespace vespera
