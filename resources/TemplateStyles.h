#pragma once
// Control styles the program's templates share.

#include "platform/windows/WindowStyles.h"

namespace vespera {

// An owner-drawn push button (BS_OWNERDRAW): the skinned buttons draw their
// image and never their text.
inline constexpr DWORD kOwnerDrawButton = 0xB;
inline constexpr DWORD kSkinButtonStyle = kOwnerDrawButton | WS_VISIBLE | WS_TABSTOP;
// Never shown; only its id matters.
inline constexpr DWORD kHiddenButtonStyle = BS_PUSHBUTTON;

}  // namespace vespera
