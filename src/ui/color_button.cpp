#include "ui/color_button.h"

#include <initializer_list>

namespace blenker {

namespace {

// A line through the points; the last point itself is not drawn.
void Line(HDC dc, HGDIOBJ pen, std::initializer_list<POINT> points) {
    ::SelectObject(dc, pen);
    ::Polyline(dc, points.begin(), static_cast<int>(points.size()));
}

}  // namespace

CColorButton::CColorButton(int controlId) : DialogControl(controlId) {}

void CColorButton::Draw(const DRAWITEMSTRUCT& item) {
    const HDC dc = item.hDC;
    const HGDIOBJ black = ::GetStockObject(BLACK_PEN);
    const HGDIOBJ white = ::GetStockObject(WHITE_PEN);
    const HGDIOBJ grey = m_greyPen.Get();
    // Both selections end by putting the dialog's pen and brush back.
    const SelectedObject pen(dc, ::GetStockObject(NULL_PEN));
    const SelectedObject brush(dc, m_faceBrush.Get());
    ::FillRect(dc, &item.rcItem, m_faceBrush.Get());

    int l = item.rcItem.left;
    int t = item.rcItem.top;
    int r = item.rcItem.right;
    int b = item.rcItem.bottom;
    if ((item.itemState & ODS_SELECTED) == 0) {  // raised
        Line(dc, black, {{l, b - 1}, {r - 1, b - 1}, {r - 1, t}});
        Line(dc, grey, {{l + 1, b - 2}, {r - 2, b - 2}, {r - 2, t + 1}});
        Line(dc, white, {{r - 2, t + 1}, {l + 1, t + 1}, {l + 1, b - 2}});
    } else {  // sunken, and the face moves one pixel right and down
        Line(dc, grey, {{l, b - 1}, {l, t}, {r - 1, t}});
        Line(dc, white, {{r - 1, t - 1}, {r - 1, b - 1}, {l + 1, b - 1}});
        Line(dc, black, {{l + 1, b - 2}, {l + 1, t + 1}, {r - 2, t + 1}});
        ++l, ++t, ++r, ++b;
    }
    Line(dc, white, {{r - 10, t + 4}, {r - 10, b - 4}});
    Line(dc, grey, {{r - 11, t + 4}, {r - 11, b - 4}});

    // The arrow: rows of 5, 3 and 1 pixels.
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    const int m = b / 2;
    Line(dc, disabled ? grey : black, {{r - 4, m - 1}, {r - 9, m - 1}});
    Line(dc, disabled ? grey : black, {{r - 5, m}, {r - 8, m}});
    if (disabled) {
        for (const POINT relief : {POINT{r - 4, m - 1}, POINT{r - 5, m}, POINT{r - 6, m + 1}}) {
            ::SetPixel(dc, relief.x, relief.y, RGB(255, 255, 255));
        }
    } else {
        ::SetPixel(dc, r - 6, m + 1, RGB(0, 0, 0));
        // The swatch, outlined by the black pen still selected.
        const SolidBrush swatch(m_crColor);
        const SelectedObject swatchBrush(dc, swatch.Get());
        ::Rectangle(dc, l + 5, t + 4, r - 15, b - 4);
    }

    if ((item.itemState & ODS_FOCUS) != 0) {
        for (int x = l + 3; x < r - 4; x += 2) {
            ::SetPixel(dc, x, t + 3, RGB(0, 0, 0));
            ::SetPixel(dc, x, b - 4, RGB(0, 0, 0));
        }
        for (int y = t + 3; y < b - 4; y += 2) {
            ::SetPixel(dc, l + 3, y, RGB(0, 0, 0));
            ::SetPixel(dc, r - 4, y, RGB(0, 0, 0));
        }
    }
}

bool CColorButton::OnClicked() {
    if (m_palette.Run()) {
        m_crColor = SharedColorPalette().ColorAt(m_palette.m_nChosen);
        ::InvalidateRect(Hwnd(), nullptr, TRUE);
        ::SendMessageA(::GetParent(Hwnd()), WM_COLOR_CHANGED, static_cast<WPARAM>(Id()),
                       static_cast<LPARAM>(m_crColor));
    }
    return true;
}

}  // namespace blenker
