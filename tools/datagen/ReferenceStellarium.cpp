#include "tools/datagen/ReferenceStellarium.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <memory>
#include <stdexcept>

#include <zlib.h>

namespace vespera {

namespace {

constexpr double kNoMagnitude = 99;
constexpr double kDegreesPerRadian = 57.29577951308232;
// No name or catalogue number in the file is near this long; a larger count
// is a damaged stream.
constexpr std::uint32_t kLongestString = 4096;
constexpr std::uint32_t kNullString = 0xFFFFFFFF;

class StreamReader {
 public:
  explicit StreamReader(std::string_view bytes) : bytes_(bytes) {}

  bool AtEnd() const { return position_ == bytes_.size(); }

  std::uint32_t Word() {
    const auto* p = reinterpret_cast<const unsigned char*>(Take(4).data());
    return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
  }

  double Real() {
    const auto* p = reinterpret_cast<const unsigned char*>(Take(8).data());
    std::uint64_t bits = 0;
    for (int i = 0; i < 8; ++i) bits = bits << 8 | p[i];
    return std::bit_cast<double>(bits);
  }

  // The catalogue's strings are ASCII designations; a character outside it
  // becomes '?'.
  std::string Text() {
    const std::uint32_t bytes = Word();
    if (bytes == kNullString) return {};
    if (bytes % 2 != 0 || bytes > kLongestString) throw Malformed("a string of " + std::to_string(bytes) + " bytes");
    const std::string_view units = Take(bytes);
    std::string text;
    for (std::size_t i = 0; i < units.size(); i += 2) {
      const bool ascii = units[i] == 0 && static_cast<unsigned char>(units[i + 1]) < 0x80;
      text += ascii ? units[i + 1] : '?';
    }
    return text;
  }

  std::runtime_error Malformed(const std::string& what) const {
    return std::runtime_error("not a Stellarium deep-sky catalogue: " + what + " at byte " + std::to_string(position_));
  }

 private:
  std::string_view Take(std::size_t count) {
    if (bytes_.size() - position_ < count) throw Malformed("the stream ends inside a record");
    const std::string_view taken = bytes_.substr(position_, count);
    position_ += count;
    return taken;
  }

  std::string_view bytes_;
  std::size_t position_ = 0;
};

std::optional<float> Magnitude(double value) {
  if (!(value < kNoMagnitude)) return std::nullopt;
  return static_cast<float>(value);
}

void AddNumber(std::vector<std::string>& designations, const char* catalogue, std::uint32_t number) {
  if (number != 0) designations.push_back(std::string(catalogue) + " " + std::to_string(number));
}

void AddText(std::vector<std::string>& designations, const char* catalogue, const std::string& text) {
  if (!text.empty()) designations.push_back(std::string(catalogue) + " " + text);
}

StellariumObject ReadRecord(StreamReader& in) {
  StellariumObject object;
  in.Word();  // id
  const double ra = in.Real(), dec = in.Real();
  object.point = {static_cast<float>(ra * kDegreesPerRadian), static_cast<float>(dec * kDegreesPerRadian)};
  object.blueMagnitude = Magnitude(in.Real());
  object.visualMagnitude = Magnitude(in.Real());
  object.type = static_cast<int>(in.Word());
  in.Text();  // morphology
  in.Real();  // major axis
  in.Real();  // minor axis
  in.Word();  // orientation
  for (int i = 0; i < 6; ++i) in.Real();  // redshift, parallax, distance and their errors
  for (const char* catalogue : {"NGC", "IC", "M", "C", "B", "Sh2", "VdB", "RCW", "LDN", "LBN", "Cr", "Mel", "PGC", "UGC"})
    AddNumber(object.designations, catalogue, in.Word());
  AddText(object.designations, "Ced", in.Text());
  for (const char* catalogue : {"Arp", "VV"}) AddNumber(object.designations, catalogue, in.Word());
  for (const char* catalogue : {"PK", "PN G", "SNR G", "ACO", "HCG", "ESO", "VdBH"})
    AddText(object.designations, catalogue, in.Text());
  for (const char* catalogue : {"DWB", "Tr", "St", "Ru", "VdB-Ha"}) AddNumber(object.designations, catalogue, in.Word());
  return object;
}

struct CloseGzip {
  void operator()(gzFile file) const { gzclose(file); }
};

}  // namespace

std::vector<StellariumObject> ParseStellariumCatalog(std::string_view stream) {
  StreamReader in(stream);
  in.Text();  // version
  in.Text();  // edition
  std::vector<StellariumObject> objects;
  while (!in.AtEnd()) objects.push_back(ReadRecord(in));
  return objects;
}

std::vector<StellariumObject> ReadStellariumCatalog(const std::filesystem::path& catalogFile) {
  const auto failure = [&](const std::string& what) {
    return std::runtime_error(catalogFile.string() + ": " + what + " (install the stellarium-data package)");
  };
  if (!std::filesystem::is_regular_file(catalogFile)) throw failure("missing");
  const std::unique_ptr<gzFile_s, CloseGzip> file(gzopen(catalogFile.c_str(), "rb"));
  if (!file) throw failure("cannot be opened");
  std::string stream;
  char buffer[1 << 16];
  int read = 0;
  while ((read = gzread(file.get(), buffer, sizeof buffer)) > 0) stream.append(buffer, static_cast<std::size_t>(read));
  if (read < 0) throw failure("not a gzip file");
  try {
    return ParseStellariumCatalog(stream);
  } catch (const std::runtime_error& e) {
    throw failure(e.what());
  }
}

}  // namespace vespera
