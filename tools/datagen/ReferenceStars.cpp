#include "tools/datagen/ReferenceStars.h"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "platform/runtime/LittleEndian.h"

namespace vespera {

namespace {

constexpr std::size_t kHeaderText = 124;
constexpr std::size_t kFieldDescriptor = 16;  // name[10], size, type, scale[4]
constexpr std::size_t kIndexEntry = 12;       // trixel, offset, record count
constexpr std::size_t kStarRecord = 32;
constexpr std::size_t kNameRecord = 40;       // designation[8], name[32]
constexpr double kRaScale = 1e6, kDecScale = 1e5;

// The records of one KStars data file, in file (trixel) order.
std::vector<std::string> ReadRecords(const std::filesystem::path& path, std::size_t recordSize) {
  std::ifstream in(path, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  const auto damaged = [&](const char* what) {
    return std::runtime_error(path.string() + ": " + what + " (install the kstars-data package)");
  };
  if (!in.good() && !in.eof()) throw damaged("cannot be read");
  if (bytes.size() < kHeaderText + 5 || bytes.compare(kHeaderText, 2, "SK") != 0) throw damaged("not a KStars data file");
  const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
  const auto u32 = [&](std::size_t at) {
    if (at + 4 > bytes.size()) throw damaged("cut short");
    return static_cast<std::size_t>(ReadLittleU32(data + at));
  };
  const std::size_t fields = data[kHeaderText + 3] | (data[kHeaderText + 4] << 8);
  std::size_t at = kHeaderText + 5;
  std::size_t fieldBytes = 0;
  for (std::size_t i = 0; i < fields; ++i, at += kFieldDescriptor) {
    if (at + kFieldDescriptor > bytes.size()) throw damaged("cut short");
    fieldBytes += data[at + 10];
  }
  if (fieldBytes != recordSize) throw damaged("records of an unexpected size");
  const std::size_t trixels = u32(at);
  at += 4;
  std::vector<std::string> records;
  for (std::size_t t = 0; t < trixels; ++t, at += kIndexEntry) {
    const std::size_t offset = u32(at + 4), count = u32(at + 8);
    if (offset > bytes.size() || count > (bytes.size() - offset) / recordSize) throw damaged("index beyond the file");
    for (std::size_t r = 0; r < count; ++r) records.push_back(bytes.substr(offset + r * recordSize, recordSize));
  }
  return records;
}

std::string Text(const std::string& record, std::size_t from, std::size_t size) {
  const std::string field = record.substr(from, size);
  return field.substr(0, field.find('\0'));
}

std::int32_t I32(const std::string& record, std::size_t at) {
  return static_cast<std::int32_t>(ReadLittleU32(reinterpret_cast<const unsigned char*>(record.data()) + at));
}

}  // namespace

std::vector<ReferenceStar> ReadReferenceStars(const std::filesystem::path& folder) {
  const auto stars = ReadRecords(folder / "namedstars.dat", kStarRecord);
  const auto names = ReadRecords(folder / "starnames.dat", kNameRecord);
  if (stars.size() != names.size())
    throw std::runtime_error((folder / "starnames.dat").string() + ": not one name record per named star");
  std::vector<ReferenceStar> result;
  result.reserve(stars.size());
  for (std::size_t i = 0; i < stars.size(); ++i) {
    ReferenceStar star;
    star.point = {static_cast<float>(I32(stars[i], 0) / kRaScale * 15), static_cast<float>(I32(stars[i], 4) / kDecScale)};
    star.hd = I32(stars[i], 20);
    star.designation = Text(names[i], 0, 8);
    star.name = Text(names[i], 8, 32);
    result.push_back(std::move(star));
  }
  return result;
}

}  // namespace vespera
