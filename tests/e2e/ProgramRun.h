#pragma once
// Runs the real `vespera` executable headless, the way a user's device would
// run it, in a fresh folder of its own: a copy of the executable, catalogue
// files the test writes, the skins of the staged program folder and a fresh
// settings file. The run is driven by a script and answers with its exit
// status; its dumps and screenshots are read back for checking.

#include <cstdint>
#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/SkyRecords.h"
#include "catalog/SkyRecords.h"
#include "platform/gdi/Surface.h"

namespace vespera {

struct Device {
  int width = 240;
  int height = 320;
  std::string platform = "PocketPC";
  int depth = 32;
};

inline const Device kPocketPc{240, 320, "PocketPC", 32};
inline const Device kQvgaPhone{240, 320, "Smartphone", 32};
inline const Device kSmallPhone{176, 220, "Smartphone", 32};
inline const Device kWidePocketPc{480, 640, "PocketPC", 32};

struct RunResult {
  int status = -1;
  std::string errors;  // what the program wrote to standard error
  std::string output;  // and to standard output
};

// The six catalogue files, as tables of records. Empty tables are written
// as files holding a count of 0.
struct CatalogueFixture {
  std::vector<SkyObjectRecord> stars;
  std::vector<ObjectNameRecord> starNames;
  std::vector<SkyObjectRecord> deepSky;
  std::vector<ObjectNameRecord> deepSkyNames;
  std::vector<SkyObjectRecord> lineEnds;
  std::vector<ConstellationLabel> labels;
};

class ProgramRun {
 public:
  ProgramRun();
  ~ProgramRun();
  ProgramRun(const ProgramRun&) = delete;
  ProgramRun& operator=(const ProgramRun&) = delete;

  const std::filesystem::path& Folder() const { return folder_; }
  std::filesystem::path File(const std::string& name) const { return folder_ / name; }

  void WriteCatalogue(const CatalogueFixture& fixture);
  // Settings the run starts with, in the store's own text form.
  void WriteSettings(const std::map<std::string, std::uint32_t>& main);
  void RemoveFile(const std::string& name);
  // Any other file the run needs (INI pages, a damaged skin...).
  void WriteFile(const std::string& name, std::string_view bytes);
  // A file of the staged program folder (e.g. "Help.ini"), copied as it is.
  void CopyStagedFile(const std::string& name);

  // Plays `script` (one command a line); file names in "shot" and "dump"
  // lines are taken inside the run's folder. `options` go on the command line
  // after the run's own (the program's options, such as "--time ...").
  RunResult Run(const std::string& script, const Device& device = kPocketPc, const std::string& options = "");
  // Runs the program in its folder with `arguments` as a shell would split them.
  RunResult RunCommand(const std::string& arguments);

  nlohmann::json Dump(const std::string& name) const;
  Surface Shot(const std::string& name) const;
  // The settings file as "Section/Name" -> value, in file order; empty when
  // the file does not exist.
  std::vector<std::pair<std::string, std::uint32_t>> Settings() const;
  bool SettingsFileExists() const;

 private:
  std::filesystem::path folder_;
};

// The main window's object in a dump ("CSkyMapDlg"), or null.
const nlohmann::json* MainWindow(const nlohmann::json& dump);
// A copy, so that it may outlive the dump it was taken from.
nlohmann::json MainState(const nlohmann::json& dump);
// The topmost window of a class, or null.
const nlohmann::json* TopWindowOfClass(const nlohmann::json& dump, const std::string& className);
// A child control of a window by id, or null.
const nlohmann::json* ChildWithId(const nlohmann::json& window, int id);
// A menu item by command id, searched through sub-menus, or null.
const nlohmann::json* MenuItemWithId(const nlohmann::json& items, int id);

// Pixels of `colour` inside `area` (right and bottom exclusive).
int CountPixels(const Surface& shot, RECT area, COLORREF colour);

}  // namespace vespera
