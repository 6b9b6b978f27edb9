#include "shell/WindowTemplates.h"

#include <utility>

#include "resources/AboutTemplates.h"
#include "resources/HelpTemplates.h"
#include "resources/MainWindowTemplates.h"
#include "resources/ObjectDataTemplates.h"
#include "resources/SearchTemplates.h"

namespace vespera {

namespace {

enum class LayoutClass { Height240, SmallPhone, QvgaPhone };

struct WindowLayouts {
  const DialogTemplate* pocketPc;
  const DialogTemplate* height240;  // null where the window has no layout of its own
  const DialogTemplate* smallPhone;
  const DialogTemplate* qvgaPhone;
};

// In the order of ProgramWindow.
const WindowLayouts kLayouts[] = {
    {&kMainTemplate, nullptr, &kMainSmallPhoneTemplate, &kMainQvgaPhoneTemplate},
    {&kAboutTemplate, nullptr, &kAboutSmallPhoneTemplate, &kAboutQvgaPhoneTemplate},
    {&kHelpTemplate, &kHelpHeight240Template, &kHelpSmallPhoneTemplate, &kHelpQvgaPhoneTemplate},
    {&kSearchTemplate, &kSearchHeight240Template, &kSearchSmallPhoneTemplate, &kSearchQvgaPhoneTemplate},
    {&kObjectDataTemplate, &kObjectDataHeight240Template, &kObjectDataSmallPhoneTemplate,
     &kObjectDataQvgaPhoneTemplate},
};

template <class ScreenIsIn>
const DialogTemplate& Choose(ProgramWindow window, ScreenIsIn screenIsIn) {
  const WindowLayouts& layouts = kLayouts[static_cast<std::size_t>(window)];
  const std::pair<LayoutClass, const DialogTemplate*> tried[] = {
      {LayoutClass::Height240, layouts.height240},
      {LayoutClass::SmallPhone, layouts.smallPhone},
      {LayoutClass::QvgaPhone, layouts.qvgaPhone},
  };
  for (const auto& [kind, layout] : tried)
    if (layout && screenIsIn(kind)) return *layout;
  return *layouts.pocketPc;
}

}  // namespace

const DialogTemplate& ChooseTemplate(ProgramWindow window, const ScreenProfile& screen) {
  return Choose(window, [&](LayoutClass kind) {
    switch (kind) {
      case LayoutClass::Height240: return IsHeight240Screen(screen);
      case LayoutClass::SmallPhone: return IsSmallPhoneScreen(screen);
      case LayoutClass::QvgaPhone: return IsQvgaPhone(screen);
    }
    return false;
  });
}

const DialogTemplate& ChooseTemplate(ProgramWindow window) {
  return Choose(window, [](LayoutClass kind) {
    switch (kind) {
      case LayoutClass::Height240: return IsHeight240Screen();
      case LayoutClass::SmallPhone: return IsSmallPhoneScreen();
      case LayoutClass::QvgaPhone: return IsQvgaPhone();
    }
    return false;
  });
}

}  // namespace vespera
