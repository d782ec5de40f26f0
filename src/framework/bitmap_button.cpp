#include "framework/bitmap_button.h"

#include <algorithm>

namespace blenker {

namespace {

UniqueGdiObject LoadBitmapResource(int id) {
    return UniqueGdiObject(::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id),
                                        IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
}

}  // namespace

BitmapButton::BitmapButton(int controlId, int upBitmap, int pressedBitmap)
    : m_id(controlId), m_upId(upBitmap), m_pressedId(pressedBitmap) {}

bool BitmapButton::Load() {
    m_up = LoadBitmapResource(m_upId);
    if (m_pressedId != 0) {
        m_pressed = LoadBitmapResource(m_pressedId);
    }
    return m_up && (m_pressedId == 0 || m_pressed);
}

void BitmapButton::Draw(const DRAWITEMSTRUCT& item) const {
    const bool pressed = (item.itemState & ODS_SELECTED) != 0 && m_pressed;
    const HGDIOBJ picture = pressed ? m_pressed.Get() : m_up.Get();
    if (picture == nullptr) {
        return;
    }
    UniqueMemoryDc memory(::CreateCompatibleDC(item.hDC));
    const HGDIOBJ previous = ::SelectObject(memory.Get(), picture);
    BITMAP info{};
    ::GetObjectA(picture, sizeof info, &info);
    const RECT& area = item.rcItem;
    ::BitBlt(item.hDC, area.left, area.top, std::min<LONG>(info.bmWidth, area.right - area.left),
             std::min<LONG>(info.bmHeight, area.bottom - area.top), memory.Get(), 0, 0, SRCCOPY);
    ::SelectObject(memory.Get(), previous);
}

}  // namespace blenker
