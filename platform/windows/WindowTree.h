#pragma once
// Every window that exists: its place in the tree and on the screen, its
// text, styles and procedures. The tree owns the records; program objects
// (CWnd) only point at windows through their handles.
//
// Positions: a child's rectangle is in its parent's client coordinates, a
// top-level window's in screen pixels. Windows have no frame here, so the
// client area is the whole window.

#include <cstdint>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/Surface.h"
#include "platform/windows/WindowClasses.h"
#include "platform/windows/WindowHandles.h"
#include "platform/windows/WindowProcedure.h"
#include "platform/windows/WindowStyles.h"

struct WindowRecord {
  HWND handle = nullptr;
  WideString className;
  WideString text;
  DWORD style = 0;
  DWORD exStyle = 0;
  UINT controlId = 0;
  HWND parent = nullptr;
  HWND owner = nullptr;
  std::vector<HWND> children;  // top of the z-order first (creation order)
  RECT rect{};

  // Shared so that a procedure stays alive while one of its own handlers
  // destroys its window.
  std::shared_ptr<WindowProcedure> classProcedure;
  WindowProcedure* subclass = nullptr;  // not owned; detached at WM_NCDESTROY
  bool doubleClicks = false;
  std::optional<COLORREF> background;

  bool destroying = false;
  HICON icons[2] = {nullptr, nullptr};
  const void* font = nullptr;  // WM_SETFONT/WM_GETFONT: the CFont lent to the window
  HWND savedFocus = nullptr;   // dialogs: the control to refocus on activation

  // The part of the client area that needs painting (empty when none).
  RECT invalid{};
  bool eraseBackground = false;
  bool beganPaint = false;  // the current WM_PAINT handler took the update

  // Top-level windows only: the pixels of the window and its children.
  std::unique_ptr<Surface> pixels;

  bool IsChild() const { return (style & WS_CHILD) != 0; }
  bool HasVisibleStyle() const { return (style & WS_VISIBLE) != 0; }
  bool HasEnabledStyle() const { return (style & WS_DISABLED) == 0; }
  WindowProcedure* Procedure() const { return subclass ? subclass : classProcedure.get(); }
};

class WindowTree {
 public:
  WindowRecord* Find(HWND window);
  const WindowRecord* Find(HWND window) const;
  bool Exists(HWND window) const { return Find(window) != nullptr; }

  // Takes the record, gives it a new handle and links it under its parent
  // (at the bottom of the siblings' z-order) or on top of the top-level windows.
  WindowRecord& Insert(std::unique_ptr<WindowRecord> record);
  // Unlinks and frees a record whose children are gone.
  void Erase(HWND window);

  // Bottom to top.
  const std::vector<HWND>& TopLevelWindows() const { return topLevel_; }
  void BringToTop(HWND topLevelWindow);

  HWND TopLevelOf(HWND window) const;
  bool IsSelfOrDescendant(HWND ancestor, HWND window) const;
  // The window and all its ancestors have WS_VISIBLE.
  bool IsShown(HWND window) const;
  // The window and all its ancestors are enabled.
  bool IsEnabledChain(HWND window) const;

  // Screen position of the client area's (0, 0).
  POINT ClientOrigin(HWND window) const;
  RECT ScreenRect(HWND window) const;
  // Where the window's client (0, 0) lies in its top-level window's pixels.
  POINT OriginInTopLevel(HWND window) const;

  // The deepest shown window under a screen point, topmost first.
  HWND WindowAt(POINT screenPoint) const;
  // The first top-level window of that class (and text, when given).
  HWND FindTopLevel(std::u16string_view className, const std::u16string_view* text) const;

  // Every window of the subtree, parents before children, in z-order from the bottom.
  void CollectBottomUp(HWND window, std::vector<HWND>& out) const;

 private:
  HWND DeepestChildAt(HWND window, POINT clientPoint) const;

  std::unordered_map<std::uint32_t, std::unique_ptr<WindowRecord>> records_;
  std::vector<HWND> topLevel_;
  std::uint32_t lastNumber_ = 0;
};
