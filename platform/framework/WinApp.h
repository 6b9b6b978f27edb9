#pragma once
// CWinApp: the application object. The program defines exactly one object
// derived from it and hands it to the platform through TheApplication(); the
// platform runs it with RunApplication: InitInstance, then (only if that
// returns TRUE) a message loop until the main window is gone, then
// ExitInstance. A program whose InitInstance runs its main dialog modally and
// returns FALSE ends when that dialog closes.
//
// Profile settings live in the settings file (ProfileStore): by default
// $XDG_CONFIG_HOME (or ~/.config) / <registry key> / <application name>.ini,
// or the file given with --profile.

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "platform/framework/ProgramDescription.h"
#include "platform/runtime/ProfileStore.h"
#include "platform/runtime/WinTypes.h"
#include "platform/windows/WindowHandles.h"

class CWnd;

class CWinApp {
 public:
  // Without a name the application is named after the executable, with its
  // first letter in upper case as the device's file name has it ("Vespera").
  explicit CWinApp(const WCHAR* appName = nullptr);
  virtual ~CWinApp();
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  // The program's name, texts and options for the platform; asked once,
  // before the command line is read.
  virtual ProgramDescription Describe() const { return {}; }

  virtual BOOL InitInstance();
  virtual int Run();
  virtual int ExitInstance();

  // The main window; destroying it ends Run's loop.
  CWnd* m_pMainWnd = nullptr;
  HINSTANCE m_hInstance = nullptr;

  void SetRegistryKey(const WCHAR* key);
  // The stored value, or `defaultValue` when it is missing or unreadable.
  UINT GetProfileInt(const WCHAR* section, const WCHAR* entry, int defaultValue);
  // FALSE when the settings file could not be written (the value is kept for
  // this run); a line on the debug output names the file and the reason.
  BOOL WriteProfileInt(const WCHAR* section, const WCHAR* entry, int value);
  HICON LoadIcon(UINT resourceId) const;

  const WideString& AppName() const { return appName_; }

  // Platform wiring, before InitInstance: the executable (which names the
  // application unless a name was given) and the --profile file.
  void SetModulePath(const std::string& modulePath);
  void SetProfileFile(std::string path);
  // The values of the program's own options given on the command line
  // (name -> value, "" for a switch).
  void SetCommandOptions(std::map<std::string, std::string, std::less<>> options) {
    commandOptions_ = std::move(options);
  }
  // The value of one of the program's options; empty when it was not given.
  std::optional<std::string> CommandOption(std::string_view name) const {
    const auto found = commandOptions_.find(name);
    if (found == commandOptions_.end()) return std::nullopt;
    return found->second;
  }
  // The settings file in use (after SetRegistryKey and the options).
  std::string ProfilePath() const;

 private:
  friend class ProfileWriteGroup;
  ProfileStore& Store();
  void ReportProfileProblem(const std::string& problem) const;

  WideString appName_;
  bool namedByProgram_ = false;
  WideString registryKey_;
  std::string profileFile_;
  std::optional<ProfileStore> store_;
  std::map<std::string, std::string, std::less<>> commandOptions_;
};

// Values written to the profile while one lives are saved together, in one
// replacement of the settings file, when the outermost one ends: a program
// killed meanwhile leaves all of them old, never some old and some new.
class ProfileWriteGroup {
 public:
  explicit ProfileWriteGroup(CWinApp& application);
  ~ProfileWriteGroup();
  ProfileWriteGroup(const ProfileWriteGroup&) = delete;
  ProfileWriteGroup& operator=(const ProfileWriteGroup&) = delete;

 private:
  CWinApp& application_;
};

// The running application (null outside RunApplication).
CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
HINSTANCE AfxGetInstanceHandle();

// Runs the application as described above and answers its exit code. The
// application is AfxGetApp() meanwhile.
int RunApplication(CWinApp& application);

// Defined by the program: its one application object.
CWinApp& TheApplication();
