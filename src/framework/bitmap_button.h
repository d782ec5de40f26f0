// An owner-drawn push button shown by two bitmaps of the resources: the "up" picture, and the
// "pressed" picture while it is held down. The pictures are copied one to one at the button's
// top-left corner, clipped to the button.
#pragma once

#include "framework/unique_handle.h"
#include "framework/win32.h"

namespace blenker {

class BitmapButton {
  public:
    // pressedBitmap 0: the up picture in both states.
    BitmapButton(int controlId, int upBitmap, int pressedBitmap);

    int Id() const { return m_id; }
    // Loads the pictures (once the dialog exists); false when one is missing.
    bool Load();
    void Draw(const DRAWITEMSTRUCT& item) const;

  private:
    int m_id;
    int m_upId;
    int m_pressedId;
    UniqueGdiObject m_up;
    UniqueGdiObject m_pressed;
};

}  // namespace blenker
