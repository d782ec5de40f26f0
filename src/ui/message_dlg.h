// The program's own message window: a centred text of up to five lines, a bitmap close button
// with its tip, no caption; it moves when its body is dragged.
#pragma once

#include <string>

#include "ui/bitmap_button.h"
#include "framework/dialog.h"
#include "framework/tool_tip.h"

namespace blenker {

class CMessageDlg : public Dialog {
  public:
    explicit CMessageDlg(HWND parent);

    std::string m_strMessage;

    const ToolTip& ToolTips() const { return m_toolTip; }

  protected:
    BOOL OnInitDialog() override;
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Moved to a monitor of another scale: the suggested rectangle, and the tip's font for the
    // new DPI (the system scales the dialog's own font and controls).
    void OnDpiChanged(const RECT& suggested) override;

  private:
    BitmapButton m_close;
    ToolTip m_toolTip;
};

}  // namespace blenker
