#pragma once
// CSearchDlg: the search window. The user types a designation or a name,
// optionally ticks "Match case", and presses "Go" (or Enter); the result page
// of the search engine appears below. A "Show on map" link closes the window
// with the catalogue's code (1001 star, 1002 deep-sky object, 1003
// constellation) and leaves the record's index in resultIndex; "Close
// window" and OK away from the inputs close with 1, "X" and Escape with 2.
// "Match case" is remembered between openings, the query is not.

#include <vector>

#include "search/BodySearch.h"
#include "search/SearchIndex.h"
#include "shell/SecondaryWindow.h"

namespace vespera {

inline constexpr int kSearchViewId = 102;

// The settings value that remembers "Match case".
inline constexpr const WCHAR* kSearchSettingsSection = u"SearchDlg";
inline constexpr const WCHAR* kMatchCaseSetting = u"MatchCase";

class CSearchDlg : public CSecondaryWindow {
 public:
  CSearchDlg();

  const MessageMap* GetMessageMap() const override;
  void DoDataExchange(CDataExchange* exchange) override;
  BOOL OnInitDialog() override;
  BOOL PreTranslateMessage(MSG* message) override;
  void OnOK() override;
  void OnCancel() override;
  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  void DescribeState(DumpObject& state) const override;

  // "Go", and Enter in the query box: the engine's page for the query, or a
  // beep and no change when the query is empty.
  void RunSearch();

  // Set by the caller before the window runs; the search reads it only.
  const SearchIndex* searchIndex = nullptr;
  // The bodies the map shows, searched first; empty while it shows none.
  std::vector<SearchableBody> bodies;

  WideString query;
  int matchCase = 1;
  int resultCode = 0;
  std::int32_t resultIndex = -1;

 private:
  void OnDestroy();
  void ShowPromptPage();

  CButton goButton_;
  CButton matchCaseBox_;
  CEdit queryEdit_;
};

}  // namespace vespera
