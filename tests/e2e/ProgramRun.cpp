#include "tests/e2e/ProgramRun.h"

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/gdi/PngCodec.h"
#include "tests/support/FileText.h"

namespace vespera {

namespace fs = std::filesystem;

namespace {

template <class Record>
void WriteTable(const fs::path& path, const std::vector<Record>& records) {
  std::ofstream out(path, std::ios::binary);
  const auto count = static_cast<std::uint32_t>(records.size());
  const unsigned char countBytes[4] = {static_cast<unsigned char>(count), static_cast<unsigned char>(count >> 8),
                                       static_cast<unsigned char>(count >> 16),
                                       static_cast<unsigned char>(count >> 24)};
  out.write(reinterpret_cast<const char*>(countBytes), 4);
  for (const Record& record : records)
    out.write(reinterpret_cast<const char*>(record.bytes.data()), std::streamsize(record.bytes.size()));
}

// Appended: prepending to a temporary string trips GCC 12's false -Wrestrict at -O3.
std::string Quoted(const fs::path& path) { return std::string("'").append(path.string()).append("'"); }

}  // namespace

ProgramRun::ProgramRun() {
  std::string pattern = (fs::temp_directory_path() / "vespera-e2e-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a folder for the run");
  folder_ = pattern;
  fs::copy_file(VESPERA_EXECUTABLE, folder_ / "vespera");
  for (const char* skin : {"Icons240.bmp", "Icons240r.bmp", "Icons480.bmp", "Icons480r.bmp"}) CopyStagedFile(skin);
  WriteCatalogue({});
}

ProgramRun::~ProgramRun() {
  std::error_code ignored;
  fs::remove_all(folder_, ignored);
}

void ProgramRun::WriteCatalogue(const CatalogueFixture& fixture) {
  WriteTable(folder_ / "Stars.dat", fixture.stars);
  WriteTable(folder_ / "StarNames.dat", fixture.starNames);
  WriteTable(folder_ / "DeepSky.dat", fixture.deepSky);
  WriteTable(folder_ / "DeepSkyNames.dat", fixture.deepSkyNames);
  WriteTable(folder_ / "CLines.dat", fixture.lineEnds);
  WriteTable(folder_ / "CNames.dat", fixture.labels);
}

void ProgramRun::WriteSettings(const std::map<std::string, std::uint32_t>& main) {
  std::ofstream out(folder_ / "settings.ini");
  out << "[Main]\n";
  for (const auto& [name, value] : main) out << name << '=' << value << '\n';
}

void ProgramRun::RemoveFile(const std::string& name) { fs::remove(folder_ / name); }

void ProgramRun::WriteFile(const std::string& name, std::string_view bytes) {
  std::ofstream(folder_ / name, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

void ProgramRun::CopyStagedFile(const std::string& name) {
  fs::copy_file(fs::path(VESPERA_PROGRAM_DIR) / name, folder_ / name, fs::copy_options::overwrite_existing);
}

RunResult ProgramRun::Run(const std::string& script, const Device& device, const std::string& options) {
  std::ofstream(folder_ / "script.txt") << script;
  return RunCommand("--headless --script script.txt --profile settings.ini --screen " + std::to_string(device.width) +
                    "x" + std::to_string(device.height) + " --platform " + device.platform + " --depth " +
                    std::to_string(device.depth) + (options.empty() ? "" : " " + options));
}

RunResult ProgramRun::RunCommand(const std::string& arguments) {
  const std::string command =
      "cd " + Quoted(folder_) + " && ./vespera " + arguments + " > output.txt 2> errors.txt";
  const int raw = std::system(command.c_str());
  RunResult result;
  result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  result.errors = ReadFileText(folder_ / "errors.txt");
  result.output = ReadFileText(folder_ / "output.txt");
  return result;
}

nlohmann::json ProgramRun::Dump(const std::string& name) const {
  return nlohmann::json::parse(ReadFileText(folder_ / name));
}

Surface ProgramRun::Shot(const std::string& name) const {
  const std::string bytes = ReadFileText(folder_ / name);
  Expected<Surface> image =
      DecodePng(std::span(reinterpret_cast<const BYTE*>(bytes.data()), bytes.size()));
  if (!image) throw std::runtime_error("not a PNG file: " + name);
  return std::move(*image);
}

bool ProgramRun::SettingsFileExists() const { return fs::exists(folder_ / "settings.ini"); }

std::vector<std::pair<std::string, std::uint32_t>> ProgramRun::Settings() const {
  std::vector<std::pair<std::string, std::uint32_t>> values;
  std::istringstream lines(ReadFileText(folder_ / "settings.ini"));
  std::string section, line;
  while (std::getline(lines, line)) {
    if (line.size() > 2 && line.front() == '[' && line.back() == ']') {
      section = line.substr(1, line.size() - 2);
    } else if (const auto eq = line.find('='); eq != std::string::npos) {
      values.emplace_back(section + "/" + line.substr(0, eq), std::uint32_t(std::stoul(line.substr(eq + 1))));
    }
  }
  return values;
}

const nlohmann::json* TopWindowOfClass(const nlohmann::json& dump, const std::string& className) {
  const auto& windows = dump.at("windows");
  for (auto it = windows.rbegin(); it != windows.rend(); ++it)
    if ((*it).at("class") == className) return &*it;
  return nullptr;
}

const nlohmann::json* MainWindow(const nlohmann::json& dump) { return TopWindowOfClass(dump, "CSkyMapDlg"); }

nlohmann::json MainState(const nlohmann::json& dump) {
  const nlohmann::json* window = MainWindow(dump);
  if (!window) throw std::runtime_error("the dump holds no main window");
  return window->at("state");
}

const nlohmann::json* ChildWithId(const nlohmann::json& window, int id) {
  for (const auto& child : window.at("children"))
    if (child.at("id") == id) return &child;
  return nullptr;
}

const nlohmann::json* MenuItemWithId(const nlohmann::json& items, int id) {
  for (const auto& item : items) {
    if (item.contains("id") && item.at("id") == id && !item.contains("items")) return &item;
    if (item.contains("items"))
      if (const nlohmann::json* inner = MenuItemWithId(item.at("items"), id)) return inner;
  }
  return nullptr;
}

int CountPixels(const Surface& shot, RECT area, COLORREF colour) {
  int count = 0;
  for (LONG y = area.top; y < area.bottom; ++y)
    for (LONG x = area.left; x < area.right; ++x) count += shot.GetPixel(x, y) == colour;
  return count;
}

}  // namespace vespera
