#pragma once
// CDialog: a window built from a dialog template and run modally. DoModal
// disables the owner (the application's main window when no parent is
// given), creates the dialog and its controls, calls OnInitDialog, runs a
// message loop of its own until EndDialog, then destroys the window and
// returns the code given to EndDialog. Modal runs nest: a dialog opened from
// a handler of another runs inside the other's loop.

#include <memory>

#include "platform/framework/DialogTemplate.h"
#include "platform/framework/Wnd.h"

class CDataExchange;
class CFont;

using INT_PTR = std::intptr_t;

class CDialog : public CWnd {
 public:
  explicit CDialog(const DialogTemplate& dialogTemplate, CWnd* parent = nullptr);
  ~CDialog() override;

  // The code given to EndDialog; -1 when the dialog could not be created
  // (for example a control of an unregistered class) or the program quits.
  virtual INT_PTR DoModal();
  void EndDialog(int result);

  // Creates the controls' program objects' bindings and fills them (UpdateData(FALSE)).
  virtual BOOL OnInitDialog();
  // IDOK: reads the controls back (UpdateData(TRUE)) and ends with IDOK.
  virtual void OnOK();
  // IDCANCEL (Escape, WM_CLOSE): ends with IDCANCEL.
  virtual void OnCancel();
  BOOL UpdateData(BOOL saveAndValidate = TRUE);
  virtual void DoDataExchange(CDataExchange* exchange);

  // The dialog keys (Enter, Escape) for messages aimed at this dialog.
  BOOL PreTranslateMessage(MSG* message) override;
  const MessageMap* GetMessageMap() const override;

  const DialogTemplate& Template() const { return *template_; }

 private:
  bool CreateFromTemplate(HWND owner);
  LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);

  const DialogTemplate* template_;
  CWnd* parent_;
  std::unique_ptr<CFont> font_;
  bool continueModal_ = false;
  int modalResult_ = -1;
};
