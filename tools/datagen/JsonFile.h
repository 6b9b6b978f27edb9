#pragma once
// Reading the generators' JSON inputs. A file that is missing or does not
// parse stops the generator with the file's name in the message, so a broken
// package or a typo in a hand-written file is found at once.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

namespace vespera {

using Json = nlohmann::json;

Json ReadJsonFile(const std::filesystem::path& path);

// A member of an object, or a null value when there is none (also when
// object is not an object at all), so lookups chain without checks.
const Json& Member(const Json& object, std::string_view key);

// A text member, or "" when it is absent or not a string.
std::string TextField(const Json& object, std::string_view key);

// A finite number given as a JSON number or as numeric text ("3.44"); absent,
// empty, non-numeric or non-finite values give nothing.
std::optional<double> NumberField(const Json& object, std::string_view key);
std::optional<double> NumberValue(const Json& value);

}  // namespace vespera
