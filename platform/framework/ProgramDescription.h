#pragma once
// What a program tells the platform about itself, so that the platform names
// no program of its own: the command name that starts every line it writes on
// standard error and its usage text, the name on its window and in
// --version, and the options the program takes beside the platform's. The
// platform parses those options with its own and hands their values to the
// application (CWinApp::CommandOption) without knowing what they mean.

#include <string>
#include <vector>

struct ProgramOptionSpec {
  std::string name;       // "--place"
  std::string valueName;  // "LAT,LON"; empty for a switch
  std::string help;       // its usage text; a '\n' starts a continuation line
  // The value may be left out; it is then only taken after '=' ("--name=VALUE"),
  // and the option alone gives the program an empty value.
  bool valueOptional = false;
};

struct ProgramDescription {
  std::string commandName;  // "vespera"; empty: the executable's name
  std::string displayName;  // "Vespera": the window's title and --version
  std::string version;      // "1.1.1"
  std::string summary;      // the usage text's second line
  std::string settingsFileDefault;  // where the settings live unless --profile says otherwise
  std::vector<ProgramOptionSpec> options;
};
