#pragma once
// What the secondary windows (search, object data, About, Help) share: they
// cover the screen, draw the skin's caption bar with their title, carry a
// skinned "X", turn their background and static texts red in red-screen
// mode, and treat a tap in the top-left corner as a request for the Start
// menu. Each lives for one modal run.

#include <string_view>

#include "platform/framework/Framework.h"
#include "shell/SkinButton.h"

namespace vespera {

class CSecondaryWindow : public CDialog {
 public:
  // `closeButtonId` is the template's "X": IDOK where closing means done,
  // IDCANCEL where it abandons the window.
  CSecondaryWindow(const DialogTemplate& dialogTemplate, std::u16string_view title, bool showInputPanelButton,
                   UINT closeButtonId);

  const MessageMap* GetMessageMap() const override;
  void DoDataExchange(CDataExchange* exchange) override;
  // The set-up every secondary window shares; a subclass calls it first,
  // then adds what is its own.
  BOOL OnInitDialog() override;
  void DescribeState(DumpObject& state) const override;

  std::u16string_view title() const { return title_; }
  HWND htmlView() const { return htmlView_; }

 protected:
  void EnterFullScreen();
  void SetTitle(std::u16string_view title) { title_ = title; }

  void OnPaint();
  void OnDestroy();
  void OnTap(UINT flags, CPoint point);
  LRESULT OnMouseWheel(WPARAM wParam, LPARAM lParam);
  HBRUSH OnCtlColorStatic(CDC* dc, CWnd* control, UINT kind);
  HBRUSH OnCtlColor(CDC* dc, CWnd* control, UINT kind);

  CSkinButton closeButton_;
  HWND htmlView_ = nullptr;

 private:
  std::u16string_view title_;
  bool showInputPanelButton_;
  UINT closeButtonId_;
  CBrush redBrush_;
  CBrush windowBrush_;
};

}  // namespace vespera
