#pragma once
// The "ComboBox" window class as a drop-down list: a field that shows the
// chosen entry and a button; a tap (or F4, or CB_SHOWDROPDOWN) drops the list
// of entries as a top-level pop-up under the field (over it when there is no
// room below), in which a tap chooses and a tap anywhere else closes it.
// Up and Down (Left and Right too), Home, End, Page Up and Page Down change
// the chosen entry, dropped or not, and send CBN_SELCHANGE; while the list
// is dropped, Enter and Escape close it instead of reaching the dialog. The
// keyboard focus stays on the combo box throughout.
//
// The height given at creation is that of the field and its dropped list
// together; the window itself takes the height of the field.

#include <memory>
#include <vector>

#include "platform/controls/ControlMessages.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/windows/WindowProcedure.h"

class ComboDropList;

struct ComboItem {
  WideString text;
  DWORD_PTR data = 0;
};

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
  const std::vector<ComboItem>& Items() const { return items_; }
  int Selection() const { return selected_; }
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

  int Insert(HWND window, int index, const WCHAR* text);
  void SetSelection(HWND window, int index);
  // A user's move through the entries (keys), with the notification.
  void MoveSelection(HWND window, int index);
  void OpenList(HWND window);
  void KeyDown(HWND window, UINT key);
  void Paint(HWND window);

  std::vector<ComboItem> items_;
  int selected_ = -1;
  LONG droppedHeight_ = 0;
  bool focused_ = false;
  HWND listWindow_ = nullptr;
  std::shared_ptr<ComboDropList> list_;
};
