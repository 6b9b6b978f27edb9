#pragma once
// CSkyPageDlg: a page about the observer's sky (Tonight, "About this
// object"), built by the main window before the window opens. A link to an
// object or an information page ends the window with that link as its
// choice, for the main window to follow; Enter, the "X" and the close link
// end it with none.

#include <optional>

#include "shell/SecondaryWindow.h"
#include "shell/SkyPageText.h"

namespace vespera {

inline constexpr int kSkyPageViewId = 105;

class CSkyPageDlg : public CSecondaryWindow {
 public:
  CSkyPageDlg(std::u16string_view title, WideString page);

  BOOL OnInitDialog() override;
  BOOL PreTranslateMessage(MSG* message) override;
  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;

  const std::optional<SkyPageLink>& chosen() const { return chosen_; }

 private:
  WideString page_;
  std::optional<SkyPageLink> chosen_;
};

}  // namespace vespera
