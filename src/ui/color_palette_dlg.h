// The palette window of a colour button: twenty colour cells and "Other...", shown modally right
// under the button. It holds the mouse, so a click anywhere outside it ends it without a choice.
#pragma once

#include "framework/dialog.h"
#include "framework/dialog_control.h"
#include "ui/color_palette.h"

namespace blenker {

// The palette that every colour button of the process shares.
ColorPalette& SharedColorPalette();

class CColorPaletteDlg : public Dialog {
  public:
    explicit CColorPaletteDlg(const DialogControl& button);

    // Shows the palette under its button; true when it ended with an entry chosen, whose index
    // is then in m_nChosen.
    bool Run();

    // The entry chosen in this showing, -1 while none is.
    int m_nChosen = -1;

  protected:
    BOOL OnInitDialog() override;
    void OnCommand(int id, int notifyCode, HWND control) override;
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    // Takes the mouse as soon as the messages now queued are handled.
    void HoldMouse() const;
    void End(INT_PTR code);
    void OnOther();
    std::optional<LRESULT> OnMouseButton(bool down, LPARAM lParam);
    void DrawCell(const DRAWITEMSTRUCT& item, int cell) const;

    const DialogControl& m_button;
};

}  // namespace blenker
