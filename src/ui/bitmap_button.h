// An owner-drawn push button shown by two bitmaps of the resources: the "up" picture, and the
// "pressed" picture while it is held down. The pictures are drawn at the button's top-left
// corner, clipped to the button: at 96 DPI one to one, at another DPI from the art drawn for
// the nearest larger scale, brought to the size the picture has at that DPI. The keyboard's
// focus shows as a dotted rectangle.
#pragma once

#include "framework/dialog_control.h"
#include "framework/unique_handle.h"
#include "framework/win32.h"

namespace blenker {

class BitmapButton : public DialogControl {
  public:
    // pressedBitmap 0: the up picture in both states.
    BitmapButton(int controlId, int upBitmap, int pressedBitmap);

    // Loads the pictures for the dialog's DPI (once the dialog exists).
    void Attach(HWND control) override;
    // Whether both pictures were found.
    bool Loaded() const { return m_up && (m_pressedId == 0 || m_pressed); }
    void Draw(const DRAWITEMSTRUCT& item) override;

  private:
    // The art for this DPI, unless it is loaded already.
    void LoadFor(int dpi);

    int m_upId;
    int m_pressedId;
    int m_loadedPercent = 0;
    UniqueBitmap m_up;
    UniqueBitmap m_pressed;
};

}  // namespace blenker
