// The main window's picture buttons, and the texts and tips of its controls: the texts in the
// user's language, the tips always in English.
#pragma once

#include <array>

#include "ui/bitmap_button.h"
#include "framework/tool_tip.h"
#include "framework/win32.h"

namespace blenker {

class CMainButtons {
  public:
    CMainButtons();
    CMainButtons(const CMainButtons&) = delete;
    CMainButtons& operator=(const CMainButtons&) = delete;

    // The buttons, which the dialog hands their drawing and clicks.
    std::array<BitmapButton, 8>& Buttons() { return m_buttons; }
    // Sets the texts in the current language; the first call makes the tips.
    void SetTexts(HWND dialog);
    const ToolTip& ToolTips() const { return m_toolTip; }

  private:
    std::array<BitmapButton, 8> m_buttons;
    ToolTip m_toolTip;
};

}  // namespace blenker
