#pragma once
// CWnd: a program object that runs a window. It subclasses its window, so it
// sees every message first; its message map picks the handler, and what no
// handler takes goes to the window class's own behaviour (Default()). The
// object owns its window: destroying the object destroys the window.

#include <map>
#include <memory>
#include <string_view>

#include "platform/framework/MessageMap.h"
#include "platform/runtime/WinTypes.h"
#include "platform/windows/DumpValue.h"
#include "platform/windows/Messages.h"
#include "platform/windows/WindowProcedure.h"
#include "platform/windows/WindowStyles.h"

class CFont;

class CWnd : public WindowProcedure {
 public:
  CWnd() = default;
  ~CWnd() override;
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  HWND m_hWnd = nullptr;
  operator HWND() const { return m_hWnd; }

  // The object that runs `window`, or null when no program object does.
  static CWnd* FromHandlePermanent(HWND window);

  // Creation and attachment.
  BOOL Create(std::u16string_view className, std::u16string_view windowName, DWORD style, const RECT& rect,
              CWnd* parent, UINT id, DWORD exStyle = 0);
  BOOL SubclassWindow(HWND window);
  BOOL SubclassDlgItem(UINT id, CWnd* parent);
  HWND UnsubclassWindow();
  virtual BOOL DestroyWindow();

  // Message handling.
  virtual const MessageMap* GetMessageMap() const;
  // Sees queued messages aimed at this window or its children before they are
  // dispatched; TRUE consumes the message.
  virtual BOOL PreTranslateMessage(MSG* message);
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
  // A child's notification or request reflected to the child itself
  // (WM_COMMAND, WM_DRAWITEM); TRUE when the child dealt with it.
  virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual void PostNcDestroy() {}
  // The window-specific values of the automation dump ("state").
  virtual void DescribeState(DumpObject& state) const;
  // The window class's handling of the message being handled now.
  LRESULT Default();

  // Pre-translation from the target window up to its top-level window.
  static BOOL WalkPreTranslateTree(MSG* message);

  // Window operations.
  BOOL ShowWindow(int command);
  BOOL IsWindowVisible() const;
  BOOL EnableWindow(BOOL enable = TRUE);
  BOOL IsWindowEnabled() const;
  void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
  void MoveWindow(const RECT* rect, BOOL repaint = TRUE);
  void GetClientRect(RECT* rect) const;
  void GetWindowRect(RECT* rect) const;
  void ScreenToClient(POINT* point) const;
  void ScreenToClient(RECT* rect) const;
  void ClientToScreen(POINT* point) const;
  void ClientToScreen(RECT* rect) const;
  void Invalidate(BOOL erase = TRUE);
  void InvalidateRect(const RECT* rect, BOOL erase = TRUE);
  void UpdateWindow();
  void SetWindowText(std::u16string_view text);
  void GetWindowText(WideString& text) const;
  int GetWindowTextLength() const;
  int GetDlgCtrlID() const;
  DWORD GetStyle() const;
  CWnd* GetParent() const;
  // The child control with this id: its program object when it has one, else
  // an object this window keeps for the control until it is destroyed.
  CWnd* GetDlgItem(int id);
  CWnd* SetFocus();
  static CWnd* GetFocus();
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  LRESULT SendDlgItemMessage(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  HICON SetIcon(HICON icon, BOOL bigIcon);
  void SetFont(CFont* font, BOOL redraw = TRUE);

  // Default handlers: the window class's handling.
  void OnPaint();
  void OnDestroy();
  void OnNcDestroy();
  void OnLButtonDown(UINT flags, CPoint point);
  void OnLButtonUp(UINT flags, CPoint point);
  void OnLButtonDblClk(UINT flags, CPoint point);
  void OnMouseMove(UINT flags, CPoint point);
  void OnKeyDown(UINT key, UINT repeat, UINT flags);
  void OnKeyUp(UINT key, UINT repeat, UINT flags);
  void OnChar(UINT character, UINT repeat, UINT flags);
  void OnActivate(UINT state, CWnd* other, BOOL minimized);
  void OnSettingChange(UINT flags, const WCHAR* section);
  void OnSetFocus(CWnd* oldWindow);
  void OnKillFocus(CWnd* newWindow);
  HBRUSH OnCtlColor(CDC* dc, CWnd* window, UINT kind);
  void OnDrawItem(int id, LPDRAWITEMSTRUCT item);

  // WindowProcedure
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) final;
  void DescribeForDump(HWND window, DumpObject& fields) const override;

 private:
  struct CurrentMessage {
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
  };
  bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  void Detach();

  CurrentMessage current_;
  // Objects for controls that have no program object of their own (GetDlgItem).
  std::map<HWND, std::unique_ptr<CWnd>> controlWrappers_;
  bool wrapperOnly_ = false;  // a GetDlgItem object: neither subclasses nor owns its window
};
