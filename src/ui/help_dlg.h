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
    void PlaceWindow() const override;

  private:
    std::array<BitmapButton, kHelpPictures.size()> m_pictures;
    BitmapButton m_close;
    ToolTip m_toolTip;
};

}  // namespace blenker
