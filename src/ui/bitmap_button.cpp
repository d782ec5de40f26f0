#include "ui/bitmap_button.h"

#include <algorithm>

#include "framework/dpi.h"
#include "framework/gdi.h"

namespace blenker {

namespace {

UniqueBitmap LoadBitmapResource(int id) {
    return UniqueBitmap(static_cast<HBITMAP>(::LoadImageW(
        ::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)));
}

Size BitmapSize(HBITMAP bitmap) {
    BITMAP info{};
    ::GetObjectW(bitmap, sizeof info, &info);
    return {info.bmWidth, info.bmHeight};
}

}  // namespace

BitmapButton::BitmapButton(int controlId, int upBitmap, int pressedBitmap)
    : DialogControl(controlId), m_upId(upBitmap), m_pressedId(pressedBitmap) {}

void BitmapButton::Attach(HWND control) {
    DialogControl::Attach(control);
    LoadFor(Dpi());
}

void BitmapButton::LoadFor(int dpi) {
    const int percent = ArtPercent(dpi);
    if (percent == m_loadedPercent) {
        return;
    }
    m_loadedPercent = percent;
    m_up = LoadBitmapResource(ArtResourceId(m_upId, percent));
    m_pressed =
        m_pressedId != 0 ? LoadBitmapResource(ArtResourceId(m_pressedId, percent)) : UniqueBitmap();
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
    const Size art = BitmapSize(picture);
    // The picture's size at this DPI: the art's own when it was drawn for exactly this scale.
    const Size shown = ShownArtSize(art, m_loadedPercent, Dpi());
    const bool exact = shown == art;
    const RECT& area = item.rcItem;
    const int width = std::min<int>(shown.width, area.right - area.left);
    const int height = std::min<int>(shown.height, area.bottom - area.top);
    if (exact) {
        ::BitBlt(item.hDC, area.left, area.top, width, height, memory.Get(), 0, 0, SRCCOPY);
    } else {
        // The nearest larger art brought down to this scale, clipped like the exact one.
        const int oldMode = ::SetStretchBltMode(item.hDC, HALFTONE);
        ::SetBrushOrgEx(item.hDC, 0, 0, nullptr);
        ::StretchBlt(item.hDC, area.left, area.top, width, height, memory.Get(), 0, 0,
                     width * art.width / shown.width, height * art.height / shown.height, SRCCOPY);
        ::SetStretchBltMode(item.hDC, oldMode);
    }
    // The keyboard's focus, once the keyboard is in use (the system hides the mark until then).
    if ((item.itemState & ODS_FOCUS) != 0 && (item.itemState & ODS_NOFOCUSRECT) == 0) {
        RECT focus = area;
        ::InflateRect(&focus, -SystemMetricForDpi(SM_CXEDGE, Dpi()),
                      -SystemMetricForDpi(SM_CYEDGE, Dpi()));
        ::DrawFocusRect(item.hDC, &focus);
    }
}

}  // namespace blenker
