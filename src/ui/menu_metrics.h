// One item of the owner-drawn popup menu: its size from the measured text, the box of the check
// dot, the rectangle the text is drawn in, and the colours it is painted in. Pixels, in the
// item's device coordinates; right and bottom are exclusive, as in a Win32 RECT. The margins are
// those of the 96-DPI design scaled to the DPI the menu is shown at; the text extent and the
// check-mark box are measured at that DPI by the caller.
#pragma once

#include <cstdint>

#include "framework/geometry.h"

namespace blenker {

// The item's size from its text extent: room for the check column and a small margin around
// the text (23 pixels across and 4 down at 96 DPI).
Size MenuItemSize(int textWidth, int textHeight, int dpi);

// The bounding box of the check dot: the check-mark box, 4 pixels (at 96 DPI) from the item's
// left edge and vertically centred in the item, shrunk by 4 pixels (at 96 DPI) on every side.
Rect CheckDotRect(const Rect& item, int checkWidth, int checkHeight, int dpi);

// The item with its left edge moved past the check column and 8 pixels more, and its top edge
// 2 pixels down (both at 96 DPI).
Rect MenuTextRect(const Rect& item, int checkWidth, int dpi);

// Colours as 0x00BBGGRR, the layout of a Windows COLORREF.
struct MenuColors {
    std::uint32_t text;
    std::uint32_t selectedText;
    std::uint32_t background;
    std::uint32_t selectedBackground;
};

// How an item is painted: its bar, the ink of its text and check dot, and whether the dot shows.
struct MenuItemLook {
    std::uint32_t bar;
    std::uint32_t ink;
    bool dot;
};

// A selected item takes the selected pair of colours; a checked one shows the dot.
MenuItemLook MenuItemLookOf(const MenuColors& colors, bool selected, bool checked);

}  // namespace blenker
