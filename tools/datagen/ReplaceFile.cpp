#include "tools/datagen/ReplaceFile.h"

#include <fstream>
#include <stdexcept>

namespace vespera {

void ReplaceFile(const std::filesystem::path& path, const std::function<void(std::ostream&)>& write) {
  std::filesystem::path temporary = path;
  temporary += ".part";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) throw std::runtime_error("cannot create " + temporary.string());
    write(out);
    out.flush();
    if (!out) throw std::runtime_error("cannot write " + temporary.string());
  }
  std::filesystem::rename(temporary, path);
}

}  // namespace vespera
