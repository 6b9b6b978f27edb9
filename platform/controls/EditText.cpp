#include "platform/controls/EditText.h"

#include <algorithm>

#include "platform/runtime/CodePage.h"

EditText::EditText(std::size_t limit) : limit_(limit) {}

bool EditText::IsBoundary(std::size_t position) const {
  if (position == 0 || position >= text_.size()) return true;
  return !(IsLowSurrogate(text_[position]) && IsHighSurrogate(text_[position - 1]));
}

std::size_t EditText::Snap(std::size_t position) const {
  position = std::min(position, text_.size());
  return IsBoundary(position) ? position : position - 1;
}

std::size_t EditText::Previous(std::size_t position) const {
  if (position == 0) return 0;
  return Snap(position - 1);
}

std::size_t EditText::Next(std::size_t position) const {
  if (position >= text_.size()) return text_.size();
  return IsBoundary(position + 1) ? position + 1 : std::min(position + 2, text_.size());
}

void EditText::Place(std::size_t caret, bool extend) {
  caret_ = Snap(caret);
  if (!extend) anchor_ = caret_;
}

void EditText::SetText(std::u16string_view text) {
  text_.assign(text);
  caret_ = anchor_ = 0;
}

void EditText::EraseSelection() {
  const std::size_t start = SelectionStart();
  text_.erase(start, SelectionEnd() - start);
  caret_ = anchor_ = start;
}

EditText::Typed EditText::Replace(std::u16string_view text) {
  Typed result;
  const std::size_t kept = text_.size() - (SelectionEnd() - SelectionStart());
  const std::size_t room = limit_ > kept ? limit_ - kept : 0;
  std::size_t take = std::min(text.size(), room);
  // Never split a pair: its first half alone would be a broken character.
  if (take > 0 && take < text.size() && IsHighSurrogate(text[take - 1]) && IsLowSurrogate(text[take])) --take;
  result.truncated = take < text.size();
  if (take == 0 && !HasSelection()) return result;
  EraseSelection();
  text_.insert(caret_, text.substr(0, take));
  caret_ = anchor_ = caret_ + take;
  result.changed = true;
  return result;
}

bool EditText::DeleteBackward() {
  if (HasSelection()) {
    EraseSelection();
    return true;
  }
  if (caret_ == 0) return false;
  const std::size_t from = Previous(caret_);
  text_.erase(from, caret_ - from);
  caret_ = anchor_ = from;
  return true;
}

bool EditText::DeleteForward() {
  if (HasSelection()) {
    EraseSelection();
    return true;
  }
  if (caret_ >= text_.size()) return false;
  text_.erase(caret_, Next(caret_) - caret_);
  return true;
}

void EditText::MoveLeft(bool extend) {
  if (HasSelection() && !extend) return Place(SelectionStart(), false);
  Place(Previous(caret_), extend);
}

void EditText::MoveRight(bool extend) {
  if (HasSelection() && !extend) return Place(SelectionEnd(), false);
  Place(Next(caret_), extend);
}

void EditText::MoveHome(bool extend) { Place(0, extend); }

void EditText::MoveEnd(bool extend) { Place(text_.size(), extend); }

void EditText::MoveTo(std::size_t position, bool extend) { Place(position, extend); }

void EditText::Select(long start, long end) {
  if (start < 0) {
    anchor_ = caret_;
    return;
  }
  const std::size_t length = text_.size();
  const std::size_t last = end < 0 ? length : std::min<std::size_t>(std::size_t(end), length);
  anchor_ = Snap(std::size_t(start));
  caret_ = Snap(last);
}
