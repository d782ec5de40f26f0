#include "ui/hyper_link.h"

#include <shellapi.h>
#include <windowsx.h>

#include <utility>
#include <vector>

#include "framework/dialog.h"
#include "framework/dpi.h"
#include "framework/gdi.h"
#include "framework/text.h"
#include "framework/window.h"
#include "ui/hand_cursor.h"

namespace blenker {

namespace {

constexpr int kTipDelayMs = 300;
// WM_DPICHANGED_AFTERPARENT of Windows 10, which the headers name for it only: a child window's
// top-level window has taken a new DPI.
constexpr UINT kDpiChangedAfterParent = 0x02E3;

LinkColors& ClassColors() {
    static LinkColors colors{RGB(0, 0, 255), RGB(0, 128, 128), RGB(128, 0, 128), RGB(255, 0, 0)};
    return colors;
}

LinkAlign AlignOf(DWORD style) {
    const DWORD kind = style & SS_TYPEMASK;
    return kind == SS_CENTER  ? LinkAlign::Center
           : kind == SS_RIGHT ? LinkAlign::Right
                              : LinkAlign::Left;
}

DWORD StyleOf(HWND control) {
    return static_cast<DWORD>(::GetWindowLongW(control, GWL_STYLE));
}

// What the control shows, as UTF-16 for measuring and drawing: its text, without the mnemonic
// marks unless its style keeps them.
std::wstring ShownText(HWND control) {
    const std::string text = WholeWindowText(control);
    return ToUtf16((StyleOf(control) & SS_NOPREFIX) != 0 ? text : WithoutMnemonics(text));
}

// The width of each UTF-16 unit of the text in the font selected into the device context, and
// the size of the whole.
SIZE MeasureText(HDC dc, const std::wstring& text, std::vector<int>* advances) {
    SIZE extent{};
    const int length = static_cast<int>(text.size());
    std::vector<int> ends(text.size());
    if (length == 0 ||
        !::GetTextExtentExPointW(dc, text.c_str(), length, 0, nullptr, ends.data(), &extent)) {
        // An empty text still has the height of a line.
        ::GetTextExtentPoint32W(dc, text.c_str(), length, &extent);
        ends.clear();
    }
    if (advances != nullptr) {
        advances->resize(ends.size());
        for (std::size_t i = 0; i < ends.size(); ++i) {
            (*advances)[i] = ends[i] - (i == 0 ? 0 : ends[i - 1]);
        }
    }
    return extent;
}

}  // namespace

CHyperLink::~CHyperLink() {
    // The window goes on as a plain static: its own font back before the link font goes.
    if (Hwnd() != nullptr && m_font) {
        Default(WM_SETFONT, reinterpret_cast<WPARAM>(m_controlFont), FALSE);
    }
}

bool CHyperLink::Attach(HWND control) {
    if (Hwnd() != nullptr || !::IsWindow(control) || !Subclass(control)) {
        return false;
    }
    if (const auto shown = m_link.Attach(WholeWindowText(control))) {
        ::SetWindowTextW(control, ToUtf16(*shown).c_str());
    }
    if (const HFONT font = GetFont(control); font == nullptr || !TakeFont(font)) {
        m_link.NoFont();
    }
    if (m_link.WantsHandCursor()) {
        LoadLinkHandCursor(WindowDpi(control));
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
    ::SetWindowTextW(Hwnd(), ToUtf16(text).c_str());
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

HCURSOR CHyperLink::HandCursor(int dpi) {
    return LoadLinkHandCursor(dpi);
}

bool CHyperLink::TakeFont(HFONT controlFont) {
    m_controlFont = controlFont;
    LOGFONTW description{};
    if (::GetObjectW(controlFont, sizeof description, &description) != sizeof description) {
        return false;
    }
    description.lfUnderline = m_link.Underlined() ? TRUE : FALSE;
    // The control lets go of the previous link font before it is deleted.
    if (UniqueFont font{::CreateFontIndirectW(&description)}) {
        Default(WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), TRUE);
        m_font = std::move(font);
    }
    ResizeToText();
    return true;
}

bool CHyperLink::OpenTarget() {
    const bool opened = m_link.MayOpen() && reinterpret_cast<INT_PTR>(::ShellExecuteW(
                                                nullptr, L"open", ToUtf16(m_link.Target()).c_str(),
                                                nullptr, L"", SW_SHOW)) > 32;
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

    SIZE extent{};
    if (const WindowDc dc(Hwnd()); dc.Get() != nullptr) {
        const SelectedObject font(dc.Get(), m_font.Get());
        extent = MeasureText(dc.Get(), ShownText(Hwnd()), nullptr);
    }

    const DWORD style = StyleOf(Hwnd());
    const Rect fitted = FitLinkToText(ToRect(window), extent.cx, extent.cy, AlignOf(style),
                                      (style & SS_CENTERIMAGE) != 0);
    ::MoveWindow(Hwnd(), fitted.left, fitted.top, fitted.right - fitted.left + borderWidth,
                 fitted.bottom - fitted.top + borderHeight, TRUE);
}

void CHyperLink::Paint() const {
    const PaintDc paint(Hwnd());
    const HDC dc = paint.Get();
    RECT client{};
    ::GetClientRect(Hwnd(), &client);
    // The parent chooses the colours as for any static; a link's own dialog hands the choice back
    // to the link, which draws on a hollow background.
    const auto brush = reinterpret_cast<HBRUSH>(
        ::SendMessageW(::GetParent(Hwnd()), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                       reinterpret_cast<LPARAM>(Hwnd())));
    if (brush != nullptr) {
        ::FillRect(dc, &client, brush);
    }
    if (!::IsWindowEnabled(Hwnd())) {
        ::SetTextColor(dc, ::GetSysColor(COLOR_GRAYTEXT));
    }
    // One line, each character at the width the font reports: the size the control was fitted
    // to. A TrueType font can draw its glyphs wider than it measures them, and the static's own
    // painting then wrapped the text or cut its end off.
    const SelectedObject font(dc, GetFont(Hwnd()));
    const std::wstring text = ShownText(Hwnd());
    std::vector<int> advances;
    const SIZE extent = MeasureText(dc, text, &advances);
    const DWORD style = StyleOf(Hwnd());
    const Point origin = LinkTextOrigin({client.right, client.bottom}, {extent.cx, extent.cy},
                                        AlignOf(style), (style & SS_CENTERIMAGE) != 0);
    ::ExtTextOutW(dc, origin.x, origin.y, ETO_CLIPPED, &client, text.c_str(),
                  static_cast<UINT>(text.size()), advances.empty() ? nullptr : advances.data());
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
        case WM_PAINT:
            Paint();
            return 0;
        case WM_SETFONT:
            if (wParam != 0 && reinterpret_cast<HFONT>(wParam) != m_font.Get()) {
                TakeFont(reinterpret_cast<HFONT>(wParam));
                return 0;
            }
            break;
        case kDpiChangedAfterParent:
            // The dialog has its font for the new DPI, and the tip goes with the link.
            if (const HFONT font = GetFont(::GetParent(Hwnd()))) {
                TakeFont(font);
            }
            m_toolTip.SetDpi(WindowDpi(Hwnd()));
            break;
        case WM_SETCURSOR:
            if (const HCURSOR hand = LoadedLinkHandCursor(WindowDpi(Hwnd()))) {
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
