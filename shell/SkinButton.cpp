#include "shell/SkinButton.h"

#include "platform/handheld/HandheldShell.h"

namespace vespera {

const MessageMap* CSkinButton::GetMessageMap() const {
  static const MessageMap map = MessageMapFor<CSkinButton>(CButton::GetMessageMap())
                                    .OnLButtonDown(&CSkinButton::OnLButtonDown)
                                    .OnLButtonUp(&CSkinButton::OnLButtonUp);
  return &map;
}

void CSkinButton::SetImages(CSkin* skin, int normalImage, int pressedImage, int disabledImage) {
  skin_ = skin;
  normalImage_ = normalImage;
  pressedImage_ = pressedImage;
  disabledImage_ = disabledImage;
}

int CSkinButton::ImageFor(UINT itemState) const {
  if (normalImage_ == kNoSkinImage) return kNoSkinImage;
  int image = normalImage_;
  if (pressedImage_ != kNoSkinImage && pressed_) image = pressedImage_;
  if (disabledImage_ != kNoSkinImage && (itemState & ODS_DISABLED)) image = disabledImage_;
  return image;
}

void CSkinButton::DrawItem(LPDRAWITEMSTRUCT item) {
  if (!item || !item->hDC || !skin_) return;
  const int image = ImageFor(item->itemState);
  if (image == kNoSkinImage) return;
  skin_->DrawSkinImage(*item->hDC, image, {item->rcItem.left, item->rcItem.top});
}

void CSkinButton::OnLButtonDown(UINT /*flags*/, CPoint point) {
  pressed_ = 1;
  SendMessage(BM_SETSTATE, TRUE);
  // Tap-and-hold is recognised and reported to the parent, though no window
  // of the program acts on it.
  SHRGINFO gesture;
  gesture.hwndClient = m_hWnd;
  gesture.ptDown = point;
  gesture.dwFlags = SHRG_RETURNCMD;
  if (SHRecognizeGesture(&gesture) == GN_CONTEXTMENU) {
    gesture.dwFlags = SHRG_NOTIFYPARENT;
    SHRecognizeGesture(&gesture);
  }
  Default();
}

void CSkinButton::OnLButtonUp(UINT /*flags*/, CPoint /*point*/) {
  pressed_ = 0;
  InvalidateRect(nullptr, FALSE);
  Default();
}

void PlaceSkinButton(CWnd& window, CWnd& button, const CSkin& skin, int index) {
  RECT rect{};
  button.GetWindowRect(&rect);
  window.ScreenToClient(&rect);
  const SIZE size = skin.ImageSize(index);
  button.MoveWindow(rect.left, rect.top, size.cx, size.cy, TRUE);
}

}  // namespace vespera
