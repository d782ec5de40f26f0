// A tool tip control as the program's windows have them: automatic delay 750 ms, background
// RGB(247, 189, 189), active; links keep the system's colours and a delay of their own. The tips
// are written in the system's tool tip font at the DPI of the window they belong to. Its tools
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
    HWND Hwnd() const { return m_window.Get(); }
    // Makes the control for the owner's tools, with its font at the owner's DPI.
    bool Create(HWND owner, int delayMs = 750, bool programColors = true);
    // The tips' font for another DPI: the owner's after it moved to a monitor of another scale.
    void SetDpi(int dpi);
    void AddTool(HWND control, const std::string& text);
    void UpdateTipText(HWND control, const std::string& text);
    // The text of a control's tool, empty when it has none.
    std::string TipText(HWND control) const;

  private:
    LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam) const {
        return ::SendMessageW(m_window.Get(), message, wParam, lParam);
    }

    UniqueFont m_font;  // declared first, so that it outlives the control that uses it
    UniqueWindow m_window;
    HWND m_owner = nullptr;
};

}  // namespace blenker
