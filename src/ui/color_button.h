// The owner-drawn colour buttons of the Misc page: a push button showing its colour as a swatch
// with a small drop-down arrow. A click opens the palette under it; a colour picked there
// becomes the button's colour and is reported to the parent with WM_COLOR_CHANGED.
#pragma once

#include "framework/dialog_control.h"
#include "framework/gdi.h"
#include "framework/win32.h"
#include "messages.h"
#include "ui/color_button_face.h"
#include "ui/color_palette_dlg.h"

namespace blenker {

class CColorButton : public DialogControl {
  public:
    explicit CColorButton(int controlId);

    void Draw(const DRAWITEMSTRUCT& item) override;
    bool OnClicked() override;

    COLORREF m_crColor = RGB(255, 255, 255);

  private:
    HGDIOBJ PenOf(Ink ink) const;

    Pen m_greyPen{PS_SOLID, 1, RGB(128, 128, 128)};
    SolidBrush m_faceBrush{::GetSysColor(COLOR_BTNFACE)};
    CColorPaletteDlg m_palette{*this};
};

}  // namespace blenker
