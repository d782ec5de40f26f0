#include "ui/color_palette_dlg.h"

#include <commdlg.h>
#include <windowsx.h>

#include "framework/gdi.h"
#include "framework/window.h"
#include "messages.h"
#include "resource.h"

namespace blenker {

namespace {

// The custom colours of the system colour dialog, kept for the whole run.
COLORREF g_customColors[16] = {};

}  // namespace

ColorPalette& SharedColorPalette() {
    static ColorPalette palette;
    return palette;
}

CColorPaletteDlg::CColorPaletteDlg(const DialogControl& button)
    : Dialog(IDD_COLOR_PALETTE, nullptr), m_button(button) {}

bool CColorPaletteDlg::Run() {
    m_nChosen = -1;
    SetParentWindow(::GetAncestor(m_button.Hwnd(), GA_ROOT));  // owned by the button's window
    return DoModal() == IDOK && m_nChosen >= 0 && m_nChosen < ColorPalette::kSize;
}

BOOL CColorPaletteDlg::OnInitDialog() {
    // On the monitor that shows the button, inside its work area (clear of the taskbar).
    const Rect button = ToRect(WindowRectIn(m_button.Hwnd(), nullptr));
    const Rect window = ToRect(WindowRectIn(Hwnd(), nullptr));
    const Point at =
        PlacePalette(button, window.Width(), window.Height(), WorkAreaOf(m_button.Hwnd()));
    ::SetWindowPos(Hwnd(), nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;  // the first cell takes the focus
}

void CColorPaletteDlg::End(INT_PTR code) {
    ::ReleaseCapture();
    EndDialog(code);
}

void CColorPaletteDlg::OnCommand(int id, int notifyCode, HWND) {
    if (const int cell = PaletteCellIndex(id); cell >= 0 && notifyCode == BN_CLICKED) {
        m_nChosen = cell;
        SharedColorPalette().Choose(m_nChosen);
        End(IDOK);
    } else if (id == IDC_PALETTE_OTHER && notifyCode == BN_CLICKED) {
        OnOther();
    } else if (id == IDOK || id == IDCANCEL) {
        // Enter reaches here only when no cell was clicked: nothing was chosen.
        End(IDCANCEL);
    }
}

void CColorPaletteDlg::OnOther() {
    ::ReleaseCapture();
    CHOOSECOLORW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = Hwnd();
    dialog.lpCustColors = g_customColors;
    dialog.Flags = CC_FULLOPEN;
    if (!::ChooseColorW(&dialog)) {
        HoldMouse();  // back to the palette, which still closes on a click outside
        return;
    }
    m_nChosen = SharedColorPalette().ChooseCustom(dialog.rgbResult);
    End(IDOK);
}

void CColorPaletteDlg::HoldMouse() const {
    ::PostMessageW(Hwnd(), WM_HOLD_MOUSE, 0, 0);
}

std::optional<LRESULT> CColorPaletteDlg::OnMessage(UINT message, WPARAM, LPARAM lParam) {
    switch (message) {
        case WM_WINDOWPOSCHANGED:
            if ((reinterpret_cast<const WINDOWPOS*>(lParam)->flags & SWP_SHOWWINDOW) != 0) {
                HoldMouse();  // the palette is on the screen: from now on it has the mouse
            }
            return std::nullopt;
        case WM_CANCELMODE:
            // The default handling lets the mouse go. Wine sends a cancel also a moment after
            // activating the palette, which stays the active window: that one takes it back.
            HoldMouse();
            return std::nullopt;
        case WM_HOLD_MOUSE:
            // Not once it is ending (hidden), while the system colour dialog runs (disabled), or
            // when another window has been activated.
            if (::IsWindowVisible(Hwnd()) && ::IsWindowEnabled(Hwnd()) &&
                ::GetActiveWindow() == Hwnd()) {
                ::SetCapture(Hwnd());
            }
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
            return OnMouseButton(message == WM_LBUTTONDOWN, lParam);
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (const int cell = PaletteCellIndex(static_cast<int>(item.CtlID)); cell >= 0) {
                DrawCell(item, cell);
            }
            return std::nullopt;
        }
        default:
            return std::nullopt;
    }
}

std::optional<LRESULT> CColorPaletteDlg::OnMouseButton(bool down, LPARAM lParam) {
    // The palette holds the mouse: it hands a press on a cell or on "Other..." to that control,
    // and ends on a press anywhere else on the screen.
    POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (down) {
        POINT screen = point;
        ::ClientToScreen(Hwnd(), &screen);
        const RECT window = WindowRectIn(Hwnd(), nullptr);
        if (!::PtInRect(&window, screen)) {
            End(IDCANCEL);
            return 0;
        }
    }
    const HWND child = ::ChildWindowFromPointEx(Hwnd(), point, CWP_ALL);
    if (child != nullptr && child != Hwnd()) {
        ::SendMessageW(child, WM_LBUTTONDOWN, 0, 0);
    }
    return std::nullopt;
}

void CColorPaletteDlg::DrawCell(const DRAWITEMSTRUCT& item, int cell) const {
    // A plain colour; the sunken edge around it is the control's own.
    const SolidBrush brush(SharedColorPalette().ColorAt(cell));
    ::FillRect(item.hDC, &item.rcItem, brush.Get());
}

}  // namespace blenker
