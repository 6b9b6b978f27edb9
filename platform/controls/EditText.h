#pragma once
// The text of a single-line edit box and what the keys do to it, apart from
// any window: a caret, an anchor (the other end of the selection; equal to
// the caret when nothing is selected) and a length limit. Positions count
// UTF-16 units and never fall inside a surrogate pair.

#include <cstddef>
#include <string>
#include <string_view>

class EditText {
 public:
  // The limit applies to typing and replacing; SetText takes any text whole,
  // as the device's edit box does with WM_SETTEXT.
  explicit EditText(std::size_t limit);

  const std::u16string& Text() const { return text_; }
  std::size_t Caret() const { return caret_; }
  std::size_t Anchor() const { return anchor_; }
  std::size_t SelectionStart() const { return caret_ < anchor_ ? caret_ : anchor_; }
  std::size_t SelectionEnd() const { return caret_ < anchor_ ? anchor_ : caret_; }
  bool HasSelection() const { return caret_ != anchor_; }
  std::size_t Limit() const { return limit_; }
  void SetLimit(std::size_t limit) { limit_ = limit; }

  // Replaces everything; the caret goes to the start.
  void SetText(std::u16string_view text);

  struct Typed {
    bool changed = false;
    bool truncated = false;  // the limit cut the text short (the device's EN_MAXTEXT)
  };
  // Puts `text` in place of the selection, as much of it as the limit allows
  // (whole surrogate pairs only); the caret ends after it.
  Typed Replace(std::u16string_view text);
  // Deletes the selection, or else the character before (Backspace) or
  // after (Delete) the caret. False when there was nothing to delete.
  bool DeleteBackward();
  bool DeleteForward();

  // Caret moves; `extend` keeps the anchor, so the selection grows or
  // shrinks, as Shift does. Without it a selection collapses: Left to its
  // start, Right to its end.
  void MoveLeft(bool extend);
  void MoveRight(bool extend);
  void MoveHome(bool extend);
  void MoveEnd(bool extend);
  // To `position` (cut to the text, moved off a pair's second half).
  void MoveTo(std::size_t position, bool extend);

  // EM_SETSEL: anchor at `start` and caret at `end`; -1 as `end` means the
  // end of the text, -1 as `start` removes the selection and keeps the caret.
  void Select(long start, long end);

 private:
  bool IsBoundary(std::size_t position) const;
  std::size_t Snap(std::size_t position) const;
  std::size_t Previous(std::size_t position) const;
  std::size_t Next(std::size_t position) const;
  void Place(std::size_t caret, bool extend);
  void EraseSelection();

  std::u16string text_;
  std::size_t caret_ = 0;
  std::size_t anchor_ = 0;
  std::size_t limit_;
};
