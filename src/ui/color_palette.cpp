#include "ui/color_palette.h"

#include <algorithm>

#include "resource.h"

namespace blenker {

ColorPalette::ColorPalette()
    : m_colors{0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000,
               0xC0C0C0, 0xC0DCC0, 0xF0CAA6, 0xF0FBFF, 0xA4A0A0, 0x808080, 0x0000FF,
               0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF},
      m_ranks{1, 3, 5, 7, 9, 11, 13, 15, 17, 19, 20, 18, 16, 14, 12, 10, 8, 6, 4, 2} {}

ColorPalette::Color ColorPalette::ColorAt(int index) const {
    return index >= 0 && index < kSize ? m_colors[index] : 0;
}

int ColorPalette::Rank(int index) const {
    return index >= 0 && index < kSize ? m_ranks[index] : 0;
}

void ColorPalette::Choose(int index) {
    if (index < 0 || index >= kSize) {
        return;
    }
    const std::uint8_t chosen = m_ranks[index];
    for (std::uint8_t& rank : m_ranks) {
        if (rank < chosen) {
            ++rank;
        }
    }
    m_ranks[index] = 1;
}

int ColorPalette::ChooseCustom(Color color) {
    int index = 0;
    while (index < kSize && m_colors[index] != color) {
        ++index;
    }
    if (index == kSize) {
        index = 0;
        while (index < kSize - 1 && m_ranks[index] != kSize) {
            ++index;
        }
        m_colors[index] = color;
    }
    Choose(index);
    return index;
}

Point PlacePalette(const Rect& button, int width, int height, const Rect& workArea) {
    Point at{button.left, button.bottom};
    if (at.y + height > workArea.bottom) {
        at.y = button.top - height;
    }
    // Inside the area on every side; the top and left edges win when it is too small.
    at.x = std::max(workArea.left, std::min(at.x, workArea.right - width));
    at.y = std::max(workArea.top, std::min(at.y, workArea.bottom - height));
    return at;
}

int PaletteCellIndex(int controlId) {
    const int index = controlId - IDC_PALETTE_FIRST_CELL;
    return index >= 0 && index < ColorPalette::kSize ? index : -1;
}

}  // namespace blenker
