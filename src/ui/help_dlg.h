// The help window: what the program does, and what each button of the main window is for,
// shown by its picture. No caption: it opens over the main window, wholly inside the work area
// of that window's monitor, and moves when dragged by its body; its close button and Escape end
// it.
#pragma once

#include <array>

#include "ui/bitmap_button.h"
#include "framework/dialog.h"
#include "framework/tool_tip.h"
#include "ui/help_content.h"

namespace blenker {

class CHelpDlg : public Dialog {
  public:
    explicit CHelpDlg(HWND parent);

    const ToolTip& ToolTips() const { return m_toolTip; }

  protected:
    BOOL OnInitDialog() override;
    void OnCommand(int id, int notifyCode, HWND control) override;
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Moved to a monitor of another scale: the suggested rectangle, and the tip's font for the
    // new DPI (the system scales the dialog's own font and controls).
    void OnDpiChanged(const RECT& suggested) override;
    void PlaceWindow() const override;

  private:
    // Grows the help text's field to the height its text takes at the field's width, and the
    // window, the group of pictures and the close button with it, so that no line is cut off in
    // any language or font. True when it grew.
    bool FitHelpText() const;

    std::array<BitmapButton, kHelpPictures.size()> m_pictures;
    BitmapButton m_close;
    ToolTip m_toolTip;
};

}  // namespace blenker
