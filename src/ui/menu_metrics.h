// The geometry of one item of the owner-drawn popup menu: its size from the measured text, the
// box of the check dot and the rectangle the text is drawn in. Pixels, in the item's device
// coordinates; right and bottom are exclusive, as in a Win32 RECT.
#pragma once

#include "framework/geometry.h"

namespace blenker {

// The item's size from its text extent: room for the check column and a small margin around
// the text.
Size MenuItemSize(int textWidth, int textHeight);

// The bounding box of the check dot: the check-mark box, 4 pixels from the item's left edge and
// vertically centred in the item, shrunk by 4 pixels on every side.
Rect CheckDotRect(const Rect& item, int checkWidth, int checkHeight);

// The item with its left edge moved past the check column and its top edge 2 pixels down.
Rect MenuTextRect(const Rect& item, int checkWidth);

}  // namespace blenker
