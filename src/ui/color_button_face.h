// What a colour button draws in each state, as lines and pixels in three inks: its raised or
// sunken edges, the separator, the drop-down arrow, the swatch of its colour and the focus dots.
// Pixels of the item's device context; right and bottom are exclusive. The distances and sizes
// are the 96-DPI design's scaled to the button's DPI; the lines stay one pixel wide, as the
// system's own edges do.
#pragma once

#include <optional>
#include <vector>

#include "framework/geometry.h"

namespace blenker {

enum class Ink { Black, White, Grey };

// A line through the points; the last point itself is not drawn.
struct InkLine {
    Ink ink;
    std::vector<Point> points;
};

struct InkPixel {
    Ink ink;
    Point at;
};

struct ColorButtonFace {
    std::vector<InkLine> lines;  // drawn first, in order
    // The rectangle filled with the button's colour and outlined in black; none when disabled.
    std::optional<Rect> swatch;
    std::vector<InkPixel> pixels;  // drawn last
};

struct ColorButtonState {
    bool pressed = false;
    bool disabled = false;
    bool focused = false;
};

// The face of a button of this rectangle in this state, on its plain button-face background, for
// a window at this DPI.
ColorButtonFace ColorButtonFaceOf(const Rect& item, ColorButtonState state, int dpi);

}  // namespace blenker
