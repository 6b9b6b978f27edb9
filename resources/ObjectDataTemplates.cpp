#include "resources/ObjectDataTemplates.h"

#include <array>

#include "resources/SecondaryWindowStyles.h"

namespace vespera {

namespace {

struct ObjectDataLayout {
  short labelRow, listColumn, listRow, listWidth, listHeight;
  short pageTop, pageWidth, pageHeight;
  short closeColumn, closeRow;
};

constexpr DWORD kLabelStyle = SS_LEFT | WS_VISIBLE;
constexpr DWORD kListStyle = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | WS_VISIBLE;

// The list comes before the "X" so that it is the first tab stop and takes
// the focus when the window opens.
constexpr std::array<DialogControlTemplate, 4> ObjectDataControls(ObjectDataLayout l) {
  return {{
      {u"Static", kUnnamedStaticId, u"Object data:", 4, l.labelRow, 45, 9, kLabelStyle},
      {u"ComboBox", kObjectDataListId, u"", l.listColumn, l.listRow, l.listWidth, l.listHeight, kListStyle},
      {u"Button", kHtmlPlaceholderId, u"", 4, l.pageTop, l.pageWidth, l.pageHeight, kHtmlPlaceholderStyle},
      {u"Button", IDOK, u"X", l.closeColumn, l.closeRow, 12, 10, kCloseButtonStyle},
  }};
}

constexpr auto kPocketPcControls = ObjectDataControls({19, 52, 18, 81, 128, 34, 129, 146, 125, 3});
constexpr auto kHeight240Controls = ObjectDataControls({19, 53, 18, 81, 128, 34, 130, 100, 125, 3});
constexpr auto kSmallPhoneControls = ObjectDataControls({17, 52, 16, 44, 84, 32, 94, 67, 89, 2});
constexpr auto kQvgaPhoneControls = ObjectDataControls({19, 52, 18, 64, 128, 34, 112, 86, 106, 3});

}  // namespace

const DialogTemplate kObjectDataTemplate{kObjectDataTemplateId, kSecondaryWindowStyle, 0, 0, 0, 137, 184,
                                         u"", u"System", 8, kPocketPcControls};
const DialogTemplate kObjectDataHeight240Template{
    kObjectDataHeight240TemplateId, kSecondaryWindowStyle, 0, 0, 0, 138, 138, u"", u"System", 8, kHeight240Controls};
const DialogTemplate kObjectDataSmallPhoneTemplate{
    kObjectDataSmallPhoneTemplateId, kSecondaryWindowStyle, 0, 0, 0, 103, 120, u"", u"System", 8, kSmallPhoneControls};
const DialogTemplate kObjectDataQvgaPhoneTemplate{
    kObjectDataQvgaPhoneTemplateId, kSecondaryWindowStyle, 0, 0, 0, 123, 134, u"", u"System", 8, kQvgaPhoneControls};

}  // namespace vespera
