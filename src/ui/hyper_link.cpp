#include "ui/hyper_link.h"

#include <shellapi.h>
#include <windowsx.h>

#include "framework/dialog.h"
#include "framework/gdi.h"
#include "framework/window.h"
#include "ui/hand_cursor.h"

namespace blenker {

namespace {

constexpr int kTipDelayMs = 300;

LinkColors& ClassColors() {
    static LinkColors colors{RGB(0, 0, 255), RGB(0, 128, 128), RGB(128, 0, 128), RGB(255, 0, 0)};
    return colors;
}

}  // namespace

CHyperLink::~CHyperLink() {
    // The window goes on as a plain static: its own font back before the link font goes.
    if (Hwnd() != nullptr && m_font) {
        SetFont(Hwnd(), m_controlFont, false);
    }
}

bool CHyperLink::Attach(HWND control) {
    if (Hwnd() != nullptr || !::IsWindow(control) || !Subclass(control)) {
        return false;
    }
    if (const auto shown = m_link.Attach(WholeWindowText(control))) {
        ::SetWindowTextA(control, shown->c_str());
    }
    m_controlFont = GetFont(control);
    LOGFONTA description{};
    if (m_controlFont != nullptr &&
        ::GetObjectA(m_controlFont, sizeof description, &description) == sizeof description) {
        description.lfUnderline = m_link.Underlined() ? TRUE : FALSE;
        m_font.Reset(::CreateFontIndirectA(&description));
        if (m_font) {
            SetFont(control, m_font.Get(), true);
        }
        ResizeToText();
    } else {
        m_link.NoFont();
    }
    if (m_link.WantsHandCursor()) {
        LoadLinkHandCursor();
    }
    if (m_toolTip.Create(control, kTipDelayMs, false)) {
        m_toolTip.AddTool(control, m_link.Target());
    }
    return true;
}

void CHyperLink::SetLinkUrl(const std::string& target) {
    m_link.SetTarget(target);
    if (Hwnd() == nullptr) {
        return;
    }
    ::ShowWindow(Hwnd(), SW_HIDE);
    ResizeToText();
    m_toolTip.UpdateTipText(Hwnd(), m_link.Target());
    ::ShowWindow(Hwnd(), SW_SHOW);
}

void CHyperLink::SetLinkText(const std::string& text) {
    if (Hwnd() == nullptr) {
        return;
    }
    ::ShowWindow(Hwnd(), SW_HIDE);
    ::SetWindowTextA(Hwnd(), text.c_str());
    ResizeToText();
    ::ShowWindow(Hwnd(), SW_SHOW);
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
    return LoadLinkHandCursor();
}

bool CHyperLink::OpenTarget() {
    const bool opened = m_link.MayOpen() &&
                        reinterpret_cast<INT_PTR>(::ShellExecuteA(
                            nullptr, "open", m_link.Target().c_str(), nullptr, "", SW_SHOW)) > 32;
    Apply(m_link.Followed(opened));
    return opened;
}

void CHyperLink::ResizeToText() {
    if (Hwnd() == nullptr || !m_link.AutoSize()) {
        return;
    }
    const RECT window = WindowRectIn(Hwnd(), ::GetParent(Hwnd()));
    RECT client{};
    ::GetClientRect(Hwnd(), &client);
    const int borderWidth = (window.right - window.left) - client.right;
    const int borderHeight = (window.bottom - window.top) - client.bottom;

    const std::string text = WholeWindowText(Hwnd());
    SIZE extent{};
    if (const WindowDc dc(Hwnd()); dc.Get() != nullptr) {
        const SelectedObject font(dc.Get(), m_font.Get());
        ::GetTextExtentPoint32A(dc.Get(), text.c_str(), static_cast<int>(text.size()), &extent);
    }

    const auto style = static_cast<DWORD>(::GetWindowLongA(Hwnd(), GWL_STYLE));
    const DWORD kind = style & SS_TYPEMASK;
    const LinkAlign align = kind == SS_CENTER  ? LinkAlign::Center
                            : kind == SS_RIGHT ? LinkAlign::Right
                                               : LinkAlign::Left;
    const Rect fitted =
        FitLinkToText(ToRect(window), extent.cx, extent.cy, align, (style & SS_CENTERIMAGE) != 0);
    ::MoveWindow(Hwnd(), fitted.left, fitted.top, fitted.right - fitted.left + borderWidth,
                 fitted.bottom - fitted.top + borderHeight, TRUE);
}

void CHyperLink::Repaint() const {
    if (Hwnd() == nullptr) {
        return;
    }
    // The text is drawn on a hollow background: the parent repaints what lies beneath first.
    const HWND parent = ::GetParent(Hwnd());
    const RECT area = WindowRectIn(Hwnd(), parent);
    ::RedrawWindow(parent, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void CHyperLink::Apply(const LinkReaction& reaction) {
    if (reaction.takeFocus) {
        ::SetFocus(Hwnd());
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
        ::SetCapture(Hwnd());
    }
}

bool CHyperLink::IsInside(LPARAM point) const {
    RECT client{};
    ::GetClientRect(Hwnd(), &client);
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
            if (const HCURSOR hand = LoadedLinkHandCursor()) {
                ::SetCursor(hand);
                return TRUE;
            }
            break;
        case WM_MOUSEMOVE:
            Apply(m_link.MouseMove(IsInside(lParam)));
            break;
        case WM_CAPTURECHANGED:
            Apply(m_link.CaptureChanged(reinterpret_cast<HWND>(lParam) == Hwnd()));
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
    return Default(message, wParam, lParam);
}

}  // namespace blenker
