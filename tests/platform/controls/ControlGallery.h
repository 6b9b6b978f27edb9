#pragma once
// A full-screen dialog with every standard control, laid out in dialog units
// like the program's own templates: a label and a drop-down list (the object
// data window's), an edit box, "Go", "Match case" (the search window's), a
// group box with a push button, an owner-drawn button and a disabled button,
// a disabled check box, texts, and OK (the default button) and Cancel.
//
// It counts what reaches its handlers and shows the counts in the dump's
// "state". "Push" toggles red mode, in which the dialog and every control
// that asks take a red brush; the label 1030 is red always. Enter on the
// drop-down list toggles its list (consumed before the dialog keys see it);
// OK does not close the dialog, Cancel (Escape) does.
//
// The class names are outside any namespace so the dump names them plainly.

#include <array>
#include <vector>

#include "platform/framework/Framework.h"

namespace gallery {

inline constexpr UINT kList = 1008;
inline constexpr UINT kEdit = 1012;
inline constexpr UINT kGo = 1013;
inline constexpr UINT kMatchCase = 1014;
inline constexpr UINT kGroup = 1020;
inline constexpr UINT kPush = 1021;
inline constexpr UINT kOwnerDrawn = 1022;
inline constexpr UINT kDisabledButton = 1023;
inline constexpr UINT kDisabledCheck = 1024;
inline constexpr UINT kRedLabel = 1030;
inline constexpr UINT kLongText = 1031;
inline constexpr UINT kListLabel = 1032;
inline constexpr int kListEntries = 111;  // "Main info", then M1 to M110

// The template's rectangle of a control, in dialog units (x, y, cx, cy).
struct UnitRect {
  short x, y, cx, cy;
};
UnitRect ControlUnits(UINT id);

}  // namespace gallery

class CGalleryOwnerButton : public CButton {
 public:
  void DrawItem(LPDRAWITEMSTRUCT item) override;
  std::vector<UINT> drawnStates;  // itemState of every WM_DRAWITEM, in order
};

class CControlGalleryDlg : public CDialog {
 public:
  CControlGalleryDlg();
  const MessageMap* GetMessageMap() const override;
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* exchange) override;
  BOOL PreTranslateMessage(MSG* message) override;
  void OnOK() override;
  void DescribeState(DumpObject& state) const override;

  void OnGo() { ++goCount; }
  void OnPush();
  void OnMatchCaseClicked() { ++matchCaseClicks; }
  void OnListChanged();
  HBRUSH OnCtlColorStatic(CDC* dc, CWnd* window, UINT kind);
  HBRUSH OnCtlColor(CDC* dc, CWnd* window, UINT kind);

  CComboBox list;
  CEdit edit;
  CButton matchCaseBox;
  CGalleryOwnerButton ownerDrawn;
  CStatic redLabel;

  WideString query;
  int matchCase = 0;
  bool redMode = false;
  int okCount = 0;
  int goCount = 0;
  int matchCaseClicks = 0;
  int listChanges = 0;
  long long listData = -1;  // the item data of the entry chosen last

 private:
  CBrush redBrush_{RGB(255, 0, 0)};
};

class CControlGalleryApp : public CWinApp {
 public:
  BOOL InitInstance() override;
  INT_PTR result = 0;
};
