// A tool tip control as the program's windows have them: automatic delay 750 ms, background
// RGB(247, 189, 189), active; links keep the system's colours and a delay of their own. Its tools
// are controls of one dialog; the control watches their mouse messages itself, or the dialog's
// over a static that lets the mouse through.
#pragma once

#include <string>

#include "framework/unique_handle.h"
#include "framework/win32.h"

namespace blenker {

class ToolTip {
  public:
    ToolTip() = default;
    ToolTip(const ToolTip&) = delete;
    ToolTip& operator=(const ToolTip&) = delete;

    bool Exists() const { return static_cast<bool>(m_window); }
    bool Create(HWND owner, int delayMs = 750, bool programColors = true);
    void AddTool(HWND control, const std::string& text);
    void UpdateTipText(HWND control, const std::string& text);
    // The text of a control's tool, empty when it has none.
    std::string TipText(HWND control) const;

  private:
    LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam) const {
        return ::SendMessageW(m_window.Get(), message, wParam, lParam);
    }

    UniqueWindow m_window;
    HWND m_owner = nullptr;
};

}  // namespace blenker
