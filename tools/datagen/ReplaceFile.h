#pragma once
// Writes a generated file under a temporary name and renames it into place,
// so an interrupted build never leaves a short file behind that a later build
// step, or the program, would take for a whole one.

#include <filesystem>
#include <functional>
#include <ostream>

namespace vespera {

void ReplaceFile(const std::filesystem::path& path, const std::function<void(std::ostream&)>& write);

}  // namespace vespera
