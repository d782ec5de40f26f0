#include "ui/bitmap_button.h"

#include <algorithm>

#include "framework/dpi.h"
#include "framework/gdi.h"
#include "framework/static_picture.h"

namespace blenker {

BitmapButton::BitmapButton(int controlId, int upBitmap, int pressedBitmap)
    : DialogControl(controlId), m_upId(upBitmap), m_pressedId(pressedBitmap) {}

void BitmapButton::Attach(HWND control) {
    DialogControl::Attach(control);
    LoadFor(Dpi());
}

void BitmapButton::LoadFor(int dpi) {
    if (dpi == m_loadedDpi) {
        return;
    }
    m_loadedDpi = dpi;
    m_up = LoadArtBitmap(m_upId, dpi);
    m_pressed = m_pressedId != 0 ? LoadArtBitmap(m_pressedId, dpi) : UniqueBitmap();
}

void BitmapButton::Draw(const DRAWITEMSTRUCT& item) {
    LoadFor(Dpi());
    const bool pressed = (item.itemState & ODS_SELECTED) != 0 && m_pressed;
    const HBITMAP picture = pressed ? m_pressed.Get() : m_up.Get();
    if (picture == nullptr) {
        return;
    }
    UniqueMemoryDc memory(::CreateCompatibleDC(item.hDC));
    const SelectedObject selected(memory.Get(), picture);
    BITMAP info{};
    ::GetObjectW(picture, sizeof info, &info);
    const RECT& area = item.rcItem;
    ::BitBlt(item.hDC, area.left, area.top, std::min<LONG>(info.bmWidth, area.right - area.left),
             std::min<LONG>(info.bmHeight, area.bottom - area.top), memory.Get(), 0, 0, SRCCOPY);
    // The keyboard's focus, once the keyboard is in use (the system hides the mark until then).
    if ((item.itemState & ODS_FOCUS) != 0 && (item.itemState & ODS_NOFOCUSRECT) == 0) {
        RECT focus = area;
        ::InflateRect(&focus, -SystemMetricForDpi(SM_CXEDGE, Dpi()),
                      -SystemMetricForDpi(SM_CYEDGE, Dpi()));
        ::DrawFocusRect(item.hDC, &focus);
    }
}

}  // namespace blenker
