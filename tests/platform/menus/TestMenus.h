#pragma once
// A menu resource shaped like a program menu: commands with access keys, a
// greyed item, separators and sub-menus, one of them with a sub-menu of its
// own.

#include <array>

#include "platform/windows/MenuTemplate.h"

inline constexpr UINT kRed = 32772;
inline constexpr UINT kLines = 32788;
inline constexpr UINT kReset = 1010;
inline constexpr UINT kInfo = 32789;
inline constexpr UINT kCenter = 32790;
inline constexpr UINT kMag3 = 32779;
inline constexpr UINT kMag4 = 32781;
inline constexpr UINT kMag10 = 32787;
inline constexpr UINT kDeep = 40001;
inline constexpr UINT kSearch = 32793;
inline constexpr UINT kExit = 1000;

inline constexpr std::array kDeeper{MenuCommand(kDeep, u"&Deep item")};
inline constexpr std::array kMagnitudes{MenuCommand(kMag3, u"3"), MenuCommand(kMag4, u"4"),
                                        MenuCommand(kMag10, u">10"), MenuPopup(u"&More", kDeeper)};
inline constexpr std::array kSelected{MenuCommand(kInfo, u"&Show info", MF_GRAYED),
                                      MenuCommand(kCenter, u"&Center object")};
inline constexpr std::array kPopup{
    MenuCommand(kRed, u"&Red screen mode", MF_CHECKED),
    MenuCommand(kLines, u"S&how constellation lines"),
    MenuSeparator(),
    MenuPopup(u"Ma&ximum magnitude", kMagnitudes),
    MenuPopup(u"Se&lected object", kSelected),
    MenuCommand(kReset, u"Reset &view"),
    MenuSeparator(),
    MenuCommand(kSearch, u"&Search..."),
    MenuCommand(kExit, u"&Exit"),
};
inline constexpr std::array kBar{MenuPopup(u"Menu", kPopup)};
inline constexpr MenuTemplate kTestMenu{246, kBar};

// Positions in kPopup.
inline constexpr int kMagnitudeItem = 3;
inline constexpr int kSelectedItem = 4;
