#include "platform/windows/WindowClasses.h"

#include <algorithm>

#include "platform/runtime/CaseFold.h"

namespace {

bool SameName(std::u16string_view a, std::u16string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char16_t x, char16_t y) { return FoldWideChar(x) == FoldWideChar(y); });
}

}  // namespace

bool WindowClasses::Register(WindowClass windowClass) {
  if (windowClass.name.empty() || Find(windowClass.name)) return false;
  classes_.push_back(std::move(windowClass));
  return true;
}

bool WindowClasses::Unregister(std::u16string_view name) {
  const auto found = std::find_if(classes_.begin(), classes_.end(),
                                  [&](const WindowClass& c) { return SameName(c.name, name); });
  if (found == classes_.end()) return false;
  classes_.erase(found);
  return true;
}

const WindowClass* WindowClasses::Find(std::u16string_view name) const {
  for (const WindowClass& c : classes_)
    if (SameName(c.name, name)) return &c;
  return nullptr;
}
