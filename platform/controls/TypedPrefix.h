#pragma once
// What the user has typed into a list to find an entry by the start of its
// text: characters that follow each other within a second add up to one
// prefix; after a longer pause the next character starts a new one.

#include <string_view>

#include "platform/runtime/WinTypes.h"

class TypedPrefix {
 public:
  static constexpr DWORD kPauseMilliseconds = 1000;

  // Adds `unit`, typed at tick `now`, and returns the prefix it completes.
  std::u16string_view Add(char16_t unit, DWORD now);
  void Clear() { typed_.clear(); }

 private:
  WideString typed_;
  DWORD lastTick_ = 0;
};
