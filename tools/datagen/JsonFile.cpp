#include "tools/datagen/JsonFile.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <stdexcept>

namespace vespera {

Json ReadJsonFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open " + path.string());
  try {
    return Json::parse(in);
  } catch (const Json::exception& e) {
    throw std::runtime_error(path.string() + ": " + e.what());
  }
}

const Json& Member(const Json& object, std::string_view key) {
  static const Json kNull;
  if (!object.is_object()) return kNull;
  const auto it = object.find(key);
  return it == object.end() ? kNull : *it;
}

std::string TextField(const Json& object, std::string_view key) {
  if (!object.is_object()) return {};
  const auto it = object.find(key);
  if (it == object.end() || !it->is_string()) return {};
  return it->get<std::string>();
}

std::optional<double> NumberValue(const Json& value) {
  double number = 0;
  if (value.is_number()) {
    number = value.get<double>();
  } else if (value.is_string()) {
    const std::string& text = value.get_ref<const std::string&>();
    const char* first = text.data();
    const char* last = first + text.size();
    if (first != last && *first == '+') ++first;
    const auto [end, error] = std::from_chars(first, last, number);
    if (error != std::errc() || end != last || first == last) return std::nullopt;
  } else {
    return std::nullopt;
  }
  if (!std::isfinite(number)) return std::nullopt;
  return number;
}

std::optional<double> NumberField(const Json& object, std::string_view key) {
  if (!object.is_object()) return std::nullopt;
  const auto it = object.find(key);
  if (it == object.end()) return std::nullopt;
  return NumberValue(*it);
}

}  // namespace vespera
