#include "shell/HtmlPages.h"

#include "appcore/ProblemReport.h"
#include "info/PageTemplate.h"
#include "platform/framework/WinApp.h"
#include "platform/htmlview/HtmlView.h"
#include "platform/windows/MessageApi.h"
#include "platform/windows/VirtualKeys.h"
#include "platform/windows/WindowApi.h"

namespace vespera {

namespace {

constexpr DWORD kHtmlViewStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP;

}  // namespace

void LoadPageFile(const std::string& path, IniFile& file) {
  if (const Expected<void> loaded = LoadIniFile(path, file); !loaded) ReportProblem(path + ": " + loaded.reason());
}

HWND CreateHtmlView(CWnd& window, int placeholderId, int childId) {
  const HINSTANCE instance = AfxGetInstanceHandle();
  if (!InitHTMLControl(instance)) return nullptr;
  const HWND placeholder = GetDlgItem(window.m_hWnd, placeholderId);
  if (!placeholder) return nullptr;
  RECT area{};
  GetWindowRect(placeholder, &area);
  window.ScreenToClient(&area);
  ShowWindow(placeholder, SW_HIDE);
  return CreateWindowEx(0, DISPLAYCLASS, u"", kHtmlViewStyle, area.left, area.top, area.right - area.left,
                        area.bottom - area.top, window.m_hWnd, UINT(childId), instance, nullptr);
}

void ShowHtmlPage(HWND view, std::u16string_view page) {
  if (!view) return;
  static constexpr WCHAR kEmpty[] = u"";
  SendMessage(view, WM_SETTEXT, 0, LParamFromPointer(kEmpty));
  // The view reads a null-terminated text.
  const WideString text(page);
  SendMessage(view, DTM_ADDTEXTW, 0, LParamFromPointer(text.c_str()));
  SendMessage(view, DTM_ENDOFSOURCE, 0, 0);
}

std::optional<WideString> ActivatedLinkTarget(const NMHDR& header, int viewId) {
  if (header.code != NM_HOTSPOT || header.idFrom != UINT_PTR(viewId)) return std::nullopt;
  const auto& link = reinterpret_cast<const NM_HTMLVIEW&>(header);
  return WideString(link.szTarget ? link.szTarget : u"");
}

void OnHtmlLink(CDialog& window, std::u16string_view target) {
  if (target == kCloseWindowTarget) window.EndDialog(IDOK);
}

BOOL HandleHtmlLinkNotify(CDialog& window, int viewId, LPARAM notification, LRESULT* result) {
  const NMHDR* header = PointerFromLParam<const NMHDR>(notification);
  if (!header) return FALSE;
  const std::optional<WideString> target = ActivatedLinkTarget(*header, viewId);
  if (!target) return FALSE;
  OnHtmlLink(window, *target);
  *result = 1;
  return TRUE;
}

bool PostOkOnEnter(CWnd& window, const MSG& message) {
  if (message.message != WM_KEYDOWN || message.wParam != VK_RETURN) return false;
  window.PostMessage(WM_COMMAND, IDOK, 0);
  return true;
}

}  // namespace vespera
