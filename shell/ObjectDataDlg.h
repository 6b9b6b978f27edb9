#pragma once
// CObjectDataDlg: the Messier or Caldwell catalogue as pages to browse. A
// drop-down list offers "Main info" and one entry per object; the page of the
// chosen entry comes from Messier.ini or Caldwell.ini, whose sections are
// read once when the window opens. Enter on the list opens or closes it;
// anywhere else Enter, like the "X" and the page's close link, ends the window.

#include "info/IniFile.h"
#include "shell/SecondaryWindow.h"

namespace vespera {

enum ObjectDataMode : int {
  kMessierMode = 1,
  kCaldwellMode = 2,
};

inline constexpr int kObjectDataViewId = 101;

class CObjectDataDlg : public CSecondaryWindow {
 public:
  CObjectDataDlg();

  const MessageMap* GetMessageMap() const override;
  void DoDataExchange(CDataExchange* exchange) override;
  BOOL OnInitDialog() override;
  BOOL PreTranslateMessage(MSG* message) override;
  void OnOK() override;
  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  void DescribeState(DumpObject& state) const override;

  // Set by the opener before the window runs: the catalogue, and the entry
  // shown first (0 "Main info", else the object's number; out of range is 0).
  int mode = kMessierMode;
  int firstEntry = 0;

 private:
  void FillList();
  void ShowSelectedPage();

  CComboBox list_;
  int entryCount_ = 0;
  IniFile sections_;
};

}  // namespace vespera
