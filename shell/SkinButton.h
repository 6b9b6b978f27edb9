#pragma once
// CSkinButton: an owner-drawn push button that shows an image of the skin,
// never its text. Used for the main window's seven command buttons and the
// close button of every secondary window.

#include "platform/framework/Controls.h"
#include "shell/Skin.h"

namespace vespera {

class CSkinButton : public CButton {
 public:
  CSkinButton() = default;
  ~CSkinButton() override = default;

  const MessageMap* GetMessageMap() const override;
  // The pressed image shows while the stylus holds the button down, the
  // disabled one while it is disabled (that one wins); -1 means none, and a
  // normal image of -1 draws nothing at all.
  void DrawItem(LPDRAWITEMSTRUCT item) override;

  void SetImages(CSkin* skin, int normalImage, int pressedImage, int disabledImage);
  // The image DrawItem would draw now for the item state.
  int ImageFor(UINT itemState) const;

 private:
  void OnLButtonDown(UINT flags, CPoint point);
  void OnLButtonUp(UINT flags, CPoint point);

  CSkin* skin_ = nullptr;
  int normalImage_ = kNoSkinImage;
  int pressedImage_ = kNoSkinImage;
  int disabledImage_ = kNoSkinImage;
  BYTE pressed_ = 0;
};

// Keeps the button's top-left corner and gives it the size of the skin image
// (right - left by bottom - top); -1 gives it no size. Moved with a repaint.
void PlaceSkinButton(CWnd& window, CWnd& button, const CSkin& skin, int index);

}  // namespace vespera
