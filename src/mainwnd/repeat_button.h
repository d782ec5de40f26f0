// A picture button of the main window that clicks as a spin button does: a quick second click is
// a click (the button alone would report it as a double click instead, and not press), and a
// press held past the keyboard's repeat delay clicks again at the keyboard's repeat rate while
// the pointer stays on the button. The release that ends a repeating press adds no click. Every
// click reaches the dialog as BN_CLICKED, as the button's own do.
#pragma once

#include "framework/subclassed_window.h"

namespace blenker {

class CRepeatButton : private SubclassedWindow {
  public:
    // Takes over the button's presses; false when the system refuses.
    bool Attach(HWND button) { return Subclass(button); }

  private:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Repeat();

    int m_repeats = 0;  // clicks given by the press being held
};

}  // namespace blenker
