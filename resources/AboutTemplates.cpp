#include "resources/AboutTemplates.h"

#include <array>

#include "resources/SecondaryWindowStyles.h"

namespace vespera {

namespace {

// Three centred lines: the product with its version, the year, where new
// versions are found. The last one may wrap on the narrow screens.
constexpr std::u16string_view kProductText = u"Vespera v1.1.1.\n2026\nNew versions are on our home page.";
constexpr std::u16string_view kContactOneLine = u"Email: vespera@nocturna-mobile.org";
constexpr std::u16string_view kContactTwoLines = u"Email:\nvespera@nocturna-mobile.org";
constexpr std::u16string_view kDataCredit = u"Sky data: d3-celestial by Olaf Frohn, BSD-3-Clause licence";
constexpr std::u16string_view kCloseHint = u"Press 'Enter' to close this window";
constexpr std::u16string_view kShortCloseHint = u"Press 'Enter' to close";

constexpr DWORD kCentredText = SS_CENTER | SS_NOPREFIX | WS_VISIBLE;
constexpr DWORD kLeftText = SS_LEFT | SS_NOPREFIX | WS_VISIBLE;

constexpr std::array<DialogControlTemplate, 5> kPocketPcControls{{
    {u"Button", IDOK, u"X", 125, 3, 12, 10, kCloseButtonStyle},
    {u"Static", kUnnamedStaticId, kProductText, 4, 30, 130, 40, kCentredText},
    {u"Static", kUnnamedStaticId, kContactOneLine, 4, 80, 130, 10, kLeftText},
    {u"Static", kUnnamedStaticId, kDataCredit, 4, 100, 130, 30, kCentredText},
    {u"Static", kUnnamedStaticId, kCloseHint, 4, 169, 108, 10, kLeftText},
}};

constexpr std::array<DialogControlTemplate, 5> kSmallPhoneControls{{
    {u"Button", IDOK, u"X", 89, 2, 12, 10, kCloseButtonStyle},
    {u"Static", kUnnamedStaticId, kProductText, 2, 20, 98, 40, kCentredText},
    {u"Static", kUnnamedStaticId, kContactTwoLines, 2, 62, 98, 20, kCentredText},
    {u"Static", kUnnamedStaticId, kDataCredit, 2, 84, 98, 20, kCentredText},
    {u"Static", kUnnamedStaticId, kShortCloseHint, 4, 108, 95, 10, kLeftText},
}};

constexpr std::array<DialogControlTemplate, 5> kQvgaPhoneControls{{
    {u"Button", IDOK, u"X", 106, 3, 12, 10, kCloseButtonStyle},
    {u"Static", kUnnamedStaticId, kProductText, 4, 20, 112, 40, kCentredText},
    {u"Static", kUnnamedStaticId, kContactTwoLines, 4, 62, 112, 20, kCentredText},
    {u"Static", kUnnamedStaticId, kDataCredit, 4, 84, 112, 20, kCentredText},
    {u"Static", kUnnamedStaticId, kCloseHint, 4, 108, 108, 10, kLeftText},
}};

}  // namespace

const DialogTemplate kAboutTemplate{kAboutTemplateId, kSecondaryWindowStyle, 0, 0, 0, 138, 183,
                                    u"", u"System", 8, kPocketPcControls};
const DialogTemplate kAboutSmallPhoneTemplate{kAboutSmallPhoneTemplateId, kSecondaryWindowStyle, 0, 0, 0, 103, 122,
                                              u"", u"System", 8, kSmallPhoneControls};
const DialogTemplate kAboutQvgaPhoneTemplate{kAboutQvgaPhoneTemplateId, kSecondaryWindowStyle, 0, 0, 0, 120, 122,
                                             u"", u"System", 8, kQvgaPhoneControls};

}  // namespace vespera
