#pragma once
// The "ComboBox" window class as a drop-down list: a field that shows the
// chosen entry and a button; a tap (or F4, or CB_SHOWDROPDOWN) drops the list
// of entries as a top-level pop-up under the field (over it when there is no
// room below), in which a tap chooses and a tap anywhere else closes it.
// Up and Down (Left and Right too), Home, End, Page Up and Page Down change
// the chosen entry, dropped or not, and send CBN_SELCHANGE, as does typing
// the start of an entry's text (TypedPrefix); while the list
// is dropped, Enter and Escape close it instead of reaching the dialog. The
// keyboard focus stays on the combo box throughout.
//
// The height given at creation is that of the field and its dropped list
// together; the window itself takes the height of the field.

#include <memory>
#include <vector>

#include "platform/controls/ControlMessages.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/controls/ComboItemList.h"
#include "platform/controls/TypedPrefix.h"
#include "platform/windows/WindowProcedure.h"

class ComboDropList;

class ComboBoxControl final : public WindowProcedure {
 public:
  ComboBoxControl();
  ~ComboBoxControl() override;
  ComboBoxControl(const ComboBoxControl&) = delete;
  ComboBoxControl& operator=(const ComboBoxControl&) = delete;

  // The control behind a combo box window, or null.
  static ComboBoxControl* Of(HWND window);

  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  // Adds "items" (the texts) and "selected" (-1 for none).
  void DescribeForDump(HWND window, DumpObject& fields) const override;

  // For the dropped list.
  const std::vector<ComboItem>& Items() const { return items_.Items(); }
  int Selection() const { return items_.Selection(); }
  // The list's choice: becomes the selection (CBN_SELCHANGE if it changed),
  // then the list closes.
  void ChooseFromList(HWND window, int index);
  // Closes the list; `chosen` tells the parent whether an entry was taken
  // (CBN_SELENDOK) or not (CBN_SELENDCANCEL); CBN_CLOSEUP follows.
  void CloseList(HWND window, bool chosen);
  HWND ListWindow() const { return listWindow_; }
  // The list window went away on its own (its owner closed).
  void ListDestroyed() {
    listWindow_ = nullptr;
    list_.reset();
  }

 private:
  LONG FieldHeight(HWND window) const;
  LONG ItemHeight(HWND window) const;
  // Keeps the window's top-left corner and width, with the field's height.
  void FitToField(HWND window);
  // Where the list drops, in screen pixels, and how many rows it shows.
  RECT ListRect(HWND window, int& rows) const;

  // Message handlers, one a message (or a pair that means the same).
  LRESULT OnCreate(HWND window, const CREATESTRUCT* create);
  LRESULT OnSetFont(HWND window, WPARAM wParam, LPARAM lParam);
  LRESULT OnDestroy();
  LRESULT OnGetDlgCode(const MSG* message) const;
  LRESULT OnStylusDown(HWND window);
  LRESULT OnSetFocus(HWND window);
  LRESULT OnKillFocus(HWND window);
  LRESULT OnEnable(HWND window, bool enabled);
  LRESULT OnSetText(HWND window, const WCHAR* text);
  LRESULT OnInsertString(HWND window, WPARAM index, const WCHAR* text);
  LRESULT OnDeleteString(HWND window, WPARAM index);
  LRESULT OnResetContent(HWND window);
  LRESULT OnSetCurSel(HWND window, WPARAM index);
  LRESULT OnGetLbTextLen(WPARAM index) const;
  LRESULT OnGetLbText(WPARAM index, WCHAR* buffer) const;
  LRESULT OnSetItemData(WPARAM index, LPARAM data);
  LRESULT OnGetItemData(WPARAM index) const;
  LRESULT OnFindStringExact(WPARAM start, const WCHAR* text) const;
  LRESULT OnShowDropDown(HWND window, bool drop);
  LRESULT OnGetDroppedControlRect(HWND window, RECT* rect) const;
  LRESULT OnKeyDown(HWND window, UINT key);
  LRESULT OnChar(HWND window, char16_t unit);
  LRESULT OnPaint(HWND window);

  LRESULT Insert(HWND window, int index, const WCHAR* text);
  void SetSelection(HWND window, int index);
  // A user's move through the entries (keys), with the notification.
  void MoveSelection(HWND window, int index);
  void OpenList(HWND window);

  ComboItemList items_{std::size_t(kComboBoxMaxItems)};
  LONG droppedHeight_ = 0;
  bool focused_ = false;
  TypedPrefix typed_;
  HWND listWindow_ = nullptr;
  std::shared_ptr<ComboDropList> list_;
};
