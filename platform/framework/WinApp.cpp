#include "platform/framework/WinApp.h"

#include <cstdlib>

#include "platform/framework/Wnd.h"
#include "platform/runtime/CodePage.h"
#include "platform/windows/Desktop.h"
#include "platform/windows/MessageApi.h"
#include "platform/windows/SystemApi.h"

namespace {

// Set by RunApplication for the length of the run only.
CWinApp* runningApplication = nullptr;

std::string ConfigFolder() {
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) return xdg;
  if (const char* home = std::getenv("HOME"); home && *home) return std::string(home) + "/.config";
  return ".";
}

}  // namespace

CWinApp::CWinApp(const WCHAR* appName) : m_hInstance(GetModuleHandle(nullptr)) {
  if (appName && *appName) {
    appName_ = appName;
    namedByProgram_ = true;
  }
}

CWinApp::~CWinApp() {
  if (runningApplication == this) runningApplication = nullptr;
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::Run() {
  MSG message;
  while (GetMessage(&message, nullptr, 0, 0)) {
    if (CWnd::WalkPreTranslateTree(&message)) continue;
    TranslateMessage(&message);
    DispatchMessage(&message);
  }
  return ExitInstance();
}

int CWinApp::ExitInstance() {
  const Desktop* desktop = Desktop::Current();
  return desktop ? desktop->QuitCode() : 0;
}

void CWinApp::SetRegistryKey(const WCHAR* key) {
  registryKey_ = key ? WideString(key) : WideString();
  store_.reset();
}

void CWinApp::SetModulePath(const std::string& modulePath) {
  std::string name = modulePath.substr(modulePath.find_last_of("/\\") + 1);
  if (namedByProgram_) return;
  if (const auto dot = name.rfind('.'); dot != std::string::npos && dot > 0) name.erase(dot);
  if (!name.empty() && name[0] >= 'a' && name[0] <= 'z') name[0] = char(name[0] - 'a' + 'A');
  appName_ = Utf8ToWide(name);
  store_.reset();
}

void CWinApp::SetProfileFile(std::string path) {
  profileFile_ = std::move(path);
  store_.reset();
}

std::string CWinApp::ProfilePath() const {
  if (!profileFile_.empty()) return profileFile_;
  std::string path = ConfigFolder() + '/';
  if (!registryKey_.empty()) path += WideToUtf8(registryKey_) + '/';
  return path + WideToUtf8(appName_.empty() ? WideString(u"Application") : appName_) + ".ini";
}

ProfileStore& CWinApp::Store() {
  if (!store_) {
    store_.emplace(ProfilePath());
    if (!store_->readNotice().empty()) ReportProfileProblem(store_->readNotice());
  }
  return *store_;
}

void CWinApp::ReportProfileProblem(const std::string& problem) const {
  // The debug output puts the program's name before the line.
  OutputDebugString(Utf8ToWide(store_->path() + ": " + problem).c_str());
}

UINT CWinApp::GetProfileInt(const WCHAR* section, const WCHAR* entry, int defaultValue) {
  if (!section || !entry) return UINT(defaultValue);
  return Store().GetInt(WideToUtf8(section), WideToUtf8(entry), std::uint32_t(defaultValue));
}

BOOL CWinApp::WriteProfileInt(const WCHAR* section, const WCHAR* entry, int value) {
  if (!section || !entry) return FALSE;
  ProfileStore& store = Store();
  if (store.WriteInt(WideToUtf8(section), WideToUtf8(entry), std::uint32_t(value))) return TRUE;
  ReportProfileProblem(store.saveResult().reason() + "; the settings are not saved");
  return FALSE;
}

ProfileWriteGroup::ProfileWriteGroup(CWinApp& application) : application_(application) {
  application_.Store().BeginGroup();
}

ProfileWriteGroup::~ProfileWriteGroup() {
  ProfileStore& store = application_.Store();
  if (!store.EndGroup()) application_.ReportProfileProblem(store.saveResult().reason() + "; the settings are not saved");
}

HICON CWinApp::LoadIcon(UINT resourceId) const {
  return resourceId ? HandleFromNumber<HICON>(resourceId) : nullptr;
}

CWinApp* AfxGetApp() { return runningApplication; }

CWnd* AfxGetMainWnd() { return runningApplication ? runningApplication->m_pMainWnd : nullptr; }

HINSTANCE AfxGetInstanceHandle() { return GetModuleHandle(nullptr); }

int RunApplication(CWinApp& application) {
  CWinApp* const outer = runningApplication;
  runningApplication = &application;
  int exitCode = 0;
  if (application.InitInstance())
    exitCode = application.Run();
  else
    exitCode = application.ExitInstance();
  runningApplication = outer;
  return exitCode;
}
