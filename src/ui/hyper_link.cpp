#include "ui/hyper_link.h"

#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>

#include "framework/dialog.h"
#include "framework/gdi.h"
#include "framework/window.h"

namespace blenker {

namespace {

constexpr UINT_PTR kSubclassId = 1;
constexpr int kTipDelayMs = 300;

LinkColors& ClassColors() {
    static LinkColors colors{RGB(0, 0, 255), RGB(0, 128, 128), RGB(128, 0, 128), RGB(255, 0, 0)};
    return colors;
}

// The help program's hand cursor where it still exists, else the system's own.
HCURSOR LoadHandCursor(UniqueIcon& copy) {
    char path[MAX_PATH + 1] = {};
    const UINT length = ::GetWindowsDirectoryA(path, MAX_PATH);
    if (length > 0 && length < MAX_PATH) {
        const std::string helper = std::string(path, length) + "\\winhlp32.exe";
        // Only its resources are wanted: the module is mapped as data and never run.
        const UniqueModule module(
            ::LoadLibraryExA(helper.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
        if (module) {
            if (const HCURSOR cursor = ::LoadCursorA(module.Get(), MAKEINTRESOURCEA(106))) {
                copy.Reset(::CopyIcon(cursor));
            }
        }
    }
    if (copy) {
        return copy.Get();
    }
    return ::LoadCursorA(nullptr, IDC_HAND);
}

// The hand cursor of all links, once one of them has loaded it.
struct HandCursorSlot {
    UniqueIcon copy;
    HCURSOR cursor = nullptr;
};

HandCursorSlot& SharedHandCursor() {
    static HandCursorSlot slot;
    return slot;
}

}  // namespace

CHyperLink::~CHyperLink() {
    Detach();
}

void CHyperLink::Detach() {
    if (m_hwnd == nullptr) {
        return;
    }
    ::RemoveWindowSubclass(m_hwnd, &CHyperLink::SubclassProc, kSubclassId);
    if (m_font) {
        ::SendMessageA(m_hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(m_controlFont), FALSE);
    }
    m_hwnd = nullptr;
}

bool CHyperLink::Attach(HWND control) {
    if (m_hwnd != nullptr || !::IsWindow(control)) {
        return false;
    }
    m_hwnd = control;
    if (const auto shown = m_link.Attach(WholeWindowText(control))) {
        ::SetWindowTextA(control, shown->c_str());
    }
    m_controlFont = reinterpret_cast<HFONT>(::SendMessageA(control, WM_GETFONT, 0, 0));
    LOGFONTA description{};
    if (m_controlFont != nullptr &&
        ::GetObjectA(m_controlFont, sizeof description, &description) == sizeof description) {
        description.lfUnderline = m_link.Underlined() ? TRUE : FALSE;
        m_font.Reset(::CreateFontIndirectA(&description));
        if (m_font) {
            ::SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.Get()), TRUE);
        }
        ResizeToText();
    } else {
        m_link.NoFont();
    }
    if (m_link.WantsHandCursor()) {
        HandCursor();
    }
    if (m_toolTip.Create(control, kTipDelayMs, false)) {
        m_toolTip.AddTool(control, m_link.Target());
    }
    ::SetWindowSubclass(control, &CHyperLink::SubclassProc, kSubclassId,
                        reinterpret_cast<DWORD_PTR>(this));
    return true;
}

void CHyperLink::SetLinkUrl(const std::string& target) {
    m_link.SetTarget(target);
    if (m_hwnd == nullptr) {
        return;
    }
    ::ShowWindow(m_hwnd, SW_HIDE);
    ResizeToText();
    m_toolTip.UpdateTipText(m_hwnd, m_link.Target());
    ::ShowWindow(m_hwnd, SW_SHOW);
}

void CHyperLink::SetLinkText(const std::string& text) {
    if (m_hwnd == nullptr) {
        return;
    }
    ::ShowWindow(m_hwnd, SW_HIDE);
    ::SetWindowTextA(m_hwnd, text.c_str());
    ResizeToText();
    ::ShowWindow(m_hwnd, SW_SHOW);
}

void CHyperLink::SetLinkColors(COLORREF normal, COLORREF active, COLORREF visited, COLORREF hover) {
    if (hover == static_cast<COLORREF>(-1)) {
        hover = ::GetSysColor(COLOR_HIGHLIGHT);
    }
    ClassColors() = {normal, active, visited, hover};
}

LinkColors CHyperLink::Colors() {
    return ClassColors();
}

HCURSOR CHyperLink::HandCursor() {
    HandCursorSlot& slot = SharedHandCursor();
    if (slot.cursor == nullptr) {
        slot.cursor = LoadHandCursor(slot.copy);
    }
    return slot.cursor;
}

bool CHyperLink::OpenTarget() {
    const bool opened = m_link.MayOpen() &&
                        reinterpret_cast<INT_PTR>(::ShellExecuteA(
                            nullptr, "open", m_link.Target().c_str(), nullptr, "", SW_SHOW)) > 32;
    Apply(m_link.Followed(opened));
    return opened;
}

void CHyperLink::ResizeToText() {
    if (m_hwnd == nullptr || !m_link.AutoSize()) {
        return;
    }
    const HWND parent = ::GetParent(m_hwnd);
    RECT window{};
    ::GetWindowRect(m_hwnd, &window);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&window), 2);
    RECT client{};
    ::GetClientRect(m_hwnd, &client);
    const int borderWidth = (window.right - window.left) - client.right;
    const int borderHeight = (window.bottom - window.top) - client.bottom;

    const std::string text = WholeWindowText(m_hwnd);
    SIZE extent{};
    if (const WindowDc dc(m_hwnd); dc.Get() != nullptr) {
        const SelectedObject font(dc.Get(), m_font.Get());
        ::GetTextExtentPoint32A(dc.Get(), text.c_str(), static_cast<int>(text.size()), &extent);
    }

    const auto style = static_cast<DWORD>(::GetWindowLongA(m_hwnd, GWL_STYLE));
    const DWORD kind = style & SS_TYPEMASK;
    const LinkAlign align = kind == SS_CENTER  ? LinkAlign::Center
                            : kind == SS_RIGHT ? LinkAlign::Right
                                               : LinkAlign::Left;
    const Rect fitted = FitLinkToText({window.left, window.top, window.right, window.bottom},
                                      extent.cx, extent.cy, align, (style & SS_CENTERIMAGE) != 0);
    ::MoveWindow(m_hwnd, fitted.left, fitted.top, fitted.right - fitted.left + borderWidth,
                 fitted.bottom - fitted.top + borderHeight, TRUE);
}

void CHyperLink::Repaint() const {
    if (m_hwnd == nullptr) {
        return;
    }
    // The text is drawn on a hollow background: the parent repaints what lies beneath first.
    const HWND parent = ::GetParent(m_hwnd);
    RECT area{};
    ::GetWindowRect(m_hwnd, &area);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&area), 2);
    ::RedrawWindow(parent, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

LRESULT CALLBACK CHyperLink::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR, DWORD_PTR self) {
    auto& link = *reinterpret_cast<CHyperLink*>(self);
    if (message == WM_NCDESTROY) {
        link.Detach();
        return ::DefSubclassProc(hwnd, message, wParam, lParam);
    }
    try {
        return link.OnMessage(message, wParam, lParam);
    } catch (...) {
        // No exception crosses the system's code: the control handles the message itself.
        return ::DefSubclassProc(hwnd, message, wParam, lParam);
    }
}

void CHyperLink::Apply(const LinkReaction& reaction) {
    if (reaction.takeFocus) {
        ::SetFocus(m_hwnd);
    }
    if (reaction.follow) {
        OpenTarget();
    }
    if (reaction.release) {
        ::ReleaseCapture();
    }
    if (reaction.beep) {
        ::MessageBeep(MB_ICONEXCLAMATION);
    }
    if (reaction.repaint) {
        Repaint();
    }
    if (reaction.capture) {
        ::SetCapture(m_hwnd);
    }
}

bool CHyperLink::IsInside(LPARAM point) const {
    RECT client{};
    ::GetClientRect(m_hwnd, &client);
    return ::PtInRect(&client, POINT{GET_X_LPARAM(point), GET_Y_LPARAM(point)}) != FALSE;
}

LRESULT CHyperLink::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_REFLECTED_CTLCOLORSTATIC: {
            const auto dc = reinterpret_cast<HDC>(wParam);
            ::SetTextColor(dc, m_link.TextColor(ClassColors()));
            ::SetBkMode(dc, TRANSPARENT);
            return reinterpret_cast<LRESULT>(::GetStockObject(HOLLOW_BRUSH));
        }
        case WM_SETCURSOR:
            if (const HCURSOR hand = SharedHandCursor().cursor) {
                ::SetCursor(hand);
                return TRUE;
            }
            break;
        case WM_MOUSEMOVE:
            Apply(m_link.MouseMove(IsInside(lParam)));
            break;
        case WM_CAPTURECHANGED:
            Apply(m_link.CaptureChanged(reinterpret_cast<HWND>(lParam) == m_hwnd));
            break;
        case WM_LBUTTONDOWN:
            Apply(m_link.ButtonDown());
            break;
        case WM_LBUTTONUP:
            Apply(m_link.ButtonUp());
            break;
        case WM_SETFOCUS:
            Apply(m_link.FocusGained());
            break;
        case WM_KILLFOCUS:
            Apply(m_link.FocusLost());
            break;
        case WM_KEYDOWN:
            if (wParam == VK_SPACE) {
                Apply(m_link.SpaceBar());
                return 0;
            }
            break;
        case WM_NCHITTEST:
            // A static without the notify style would let the mouse through to its parent.
            return HTCLIENT;
        default:
            break;
    }
    return ::DefSubclassProc(m_hwnd, message, wParam, lParam);
}

}  // namespace blenker
