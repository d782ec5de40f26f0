// An owner-drawn push button shown by two bitmaps of the resources: the "up" picture, and the
// "pressed" picture while it is held down. The pictures are copied one to one at the button's
// top-left corner, clipped to the button; at another DPI than 96 they are the art of the nearest
// larger scale, brought to their size at that DPI once, as they load. The keyboard's focus shows
// as a dotted rectangle.
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
    // The pictures for this DPI, unless they are loaded already.
    void LoadFor(int dpi);

    int m_upId;
    int m_pressedId;
    int m_loadedDpi = 0;
    UniqueBitmap m_up;
    UniqueBitmap m_pressed;
};

}  // namespace blenker
