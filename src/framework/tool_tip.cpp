#include "framework/tool_tip.h"

#include <commctrl.h>

#include <utility>
#include <vector>

#include "framework/dpi.h"
#include "framework/system_fonts.h"
#include "framework/text.h"
#include "framework/window.h"

namespace blenker {

namespace {

// A static without SS_NOTIFY lets the mouse through to its dialog (it answers HTTRANSPARENT), so
// its own messages never come: its tip is an area of the dialog at the control's place, which
// the dialog's relayed mouse messages reach.
bool PassesTheMouse(HWND control) {
    return IsOfClass(control, L"Static", SS_NOTIFY, 0);
}

TTTOOLINFOW ToolInfo(HWND owner, HWND control, wchar_t* text) {
    // The whole structure: the program's manifest asks for Common Controls 6, which knows it.
    TTTOOLINFOW info{};
    info.cbSize = sizeof info;
    info.hwnd = owner;
    if (PassesTheMouse(control)) {
        info.uFlags = TTF_SUBCLASS;
        info.uId = static_cast<UINT_PTR>(::GetDlgCtrlID(control));
        info.rect = WindowRectIn(control, owner);
    } else {
        info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        info.uId = reinterpret_cast<UINT_PTR>(control);
    }
    info.lpszText = text;
    return info;
}

}  // namespace

bool ToolTip::Create(HWND owner, int delayMs, bool programColors) {
    static const bool initialised = [] {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
        return ::InitCommonControlsEx(&controls) != FALSE;
    }();
    (void)initialised;
    m_owner = owner;
    m_window.Reset(::CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, 0, CW_USEDEFAULT, CW_USEDEFAULT,
                                     CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                                     ::GetModuleHandleW(nullptr), nullptr));
    if (!m_window) {
        return false;
    }
    Send(TTM_SETDELAYTIME, TTDT_AUTOMATIC, delayMs);
    if (programColors) {
        Send(TTM_SETTIPBKCOLOR, RGB(247, 189, 189), 0);
    }
    Send(TTM_ACTIVATE, TRUE, 0);
    SetDpi(WindowDpi(owner));
    return true;
}

void ToolTip::SetDpi(int dpi) {
    if (!m_window) {
        return;
    }
    // The control lets go of the old font before it is deleted.
    if (UniqueFont font = CreateSystemFont(SystemFont::ToolTip, dpi)) {
        Send(WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), FALSE);
        m_font = std::move(font);
    }
}

void ToolTip::AddTool(HWND control, const std::string& text) {
    std::wstring wide = ToUtf16(text);
    TTTOOLINFOW info = ToolInfo(m_owner, control, wide.data());
    Send(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void ToolTip::UpdateTipText(HWND control, const std::string& text) {
    std::wstring wide = ToUtf16(text);
    TTTOOLINFOW info = ToolInfo(m_owner, control, wide.data());
    Send(TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
}

std::string ToolTip::TipText(HWND control) const {
    // Longer than any tip of the program; TTM_GETTEXT copies into it.
    std::vector<wchar_t> text(1024);
    TTTOOLINFOW info = ToolInfo(m_owner, control, nullptr);
    info.lpszText = text.data();
    Send(TTM_GETTEXTW, text.size(), reinterpret_cast<LPARAM>(&info));
    return ToUtf8(text.data());
}

}  // namespace blenker
