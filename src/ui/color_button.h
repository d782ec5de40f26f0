// A button that holds a colour: the owner-drawn colour buttons of the Misc page. It keeps the
// colour that the settings sheet loads and saves.
#pragma once

#include "framework/dialog_control.h"
#include "framework/win32.h"

namespace blenker {

class CColorButton : public DialogControl {
  public:
    explicit CColorButton(int controlId, COLORREF color = 0)
        : DialogControl(controlId), m_crColor(color) {}

    COLORREF m_crColor;
};

}  // namespace blenker
