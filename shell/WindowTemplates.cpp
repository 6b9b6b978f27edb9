#include "shell/WindowTemplates.h"

#include <utility>

#include "resources/AboutTemplates.h"
#include "resources/HelpTemplates.h"
#include "resources/MainWindowTemplates.h"
#include "resources/ObjectDataTemplates.h"
#include "resources/PlaceTemplates.h"
#include "resources/SearchTemplates.h"
#include "resources/SkyPageTemplates.h"

namespace vespera {

namespace {

enum class LayoutClass { Height240, SmallPhone, QvgaPhone };

struct WindowLayouts {
  const DialogTemplate* pocketPc;
  const DialogTemplate* height240;  // null where the window has no layout of its own
  const DialogTemplate* smallPhone;
  const DialogTemplate* qvgaPhone;
};

// A switch over every ProgramWindow with no default: a window added to the
// enum without its layouts here does not compile (-Wswitch, an error in our
// builds), and each row names its window.
WindowLayouts LayoutsOf(ProgramWindow window) {
  switch (window) {
    case ProgramWindow::Main:
      return {&kMainTemplate, nullptr, &kMainSmallPhoneTemplate, &kMainQvgaPhoneTemplate};
    case ProgramWindow::About:
      return {&kAboutTemplate, nullptr, &kAboutSmallPhoneTemplate, &kAboutQvgaPhoneTemplate};
    case ProgramWindow::Help:
      return {&kHelpTemplate, &kHelpHeight240Template, &kHelpSmallPhoneTemplate, &kHelpQvgaPhoneTemplate};
    case ProgramWindow::Search:
      return {&kSearchTemplate, &kSearchHeight240Template, &kSearchSmallPhoneTemplate, &kSearchQvgaPhoneTemplate};
    case ProgramWindow::ObjectData:
      return {&kObjectDataTemplate, &kObjectDataHeight240Template, &kObjectDataSmallPhoneTemplate,
              &kObjectDataQvgaPhoneTemplate};
    case ProgramWindow::Place:
      return {&kPlaceTemplate, &kPlaceHeight240Template, &kPlaceSmallPhoneTemplate, &kPlaceQvgaPhoneTemplate};
    case ProgramWindow::SkyPage:
      return {&kSkyPageTemplate, &kSkyPageHeight240Template, &kSkyPageSmallPhoneTemplate,
              &kSkyPageQvgaPhoneTemplate};
  }
  // Only a value outside the enum gets here.
  return {&kMainTemplate, nullptr, nullptr, nullptr};
}

template <class ScreenIsIn>
const DialogTemplate& Choose(ProgramWindow window, ScreenIsIn screenIsIn) {
  const WindowLayouts layouts = LayoutsOf(window);
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
