#include "ui/color_button.h"

#include <vector>

#include "framework/dpi.h"
#include "framework/window.h"

namespace blenker {

namespace {

COLORREF InkColor(Ink ink) {
    switch (ink) {
        case Ink::White:
            return RGB(255, 255, 255);
        case Ink::Grey:
            return RGB(128, 128, 128);
        case Ink::Black:
            break;
    }
    return RGB(0, 0, 0);
}

}  // namespace

CColorButton::CColorButton(int controlId) : DialogControl(controlId) {}

HGDIOBJ CColorButton::PenOf(Ink ink) const {
    switch (ink) {
        case Ink::White:
            return ::GetStockObject(WHITE_PEN);
        case Ink::Grey:
            return m_greyPen.Get();
        case Ink::Black:
            break;
    }
    return ::GetStockObject(BLACK_PEN);
}

void CColorButton::Draw(const DRAWITEMSTRUCT& item) {
    const HDC dc = item.hDC;
    const ColorButtonFace face =
        ColorButtonFaceOf(ToRect(item.rcItem),
                          {.pressed = (item.itemState & ODS_SELECTED) != 0,
                           .disabled = (item.itemState & ODS_DISABLED) != 0,
                           .focused = (item.itemState & ODS_FOCUS) != 0},
                          WindowDpi(item.hwndItem));
    // Both selections end by putting the dialog's pen and brush back.
    const SelectedObject pen(dc, ::GetStockObject(NULL_PEN));
    const SelectedObject brush(dc, m_faceBrush.Get());
    ::FillRect(dc, &item.rcItem, m_faceBrush.Get());
    for (const InkLine& line : face.lines) {
        std::vector<POINT> points;
        for (const Point& point : line.points) {
            points.push_back({point.x, point.y});
        }
        ::SelectObject(dc, PenOf(line.ink));
        ::Polyline(dc, points.data(), static_cast<int>(points.size()));
    }
    if (face.swatch) {
        const SolidBrush swatch(m_crColor);
        const SelectedObject swatchBrush(dc, swatch.Get());
        ::SelectObject(dc, PenOf(Ink::Black));
        ::Rectangle(dc, face.swatch->left, face.swatch->top, face.swatch->right,
                    face.swatch->bottom);
    }
    for (const InkPixel& pixel : face.pixels) {
        ::SetPixel(dc, pixel.at.x, pixel.at.y, InkColor(pixel.ink));
    }
}

bool CColorButton::OnClicked() {
    if (m_palette.Run()) {
        m_crColor = SharedColorPalette().ColorAt(m_palette.m_nChosen);
        ::InvalidateRect(Hwnd(), nullptr, TRUE);
        ::SendMessageW(::GetParent(Hwnd()), WM_COLOR_CHANGED, static_cast<WPARAM>(Id()),
                       static_cast<LPARAM>(m_crColor));
    }
    return true;
}

}  // namespace blenker
