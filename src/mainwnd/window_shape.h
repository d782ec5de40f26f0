// The outline of the skinned main window: the window rectangle without its caption and frame,
// with four corners rounded to a radius of 15 pixels at 96 DPI, scaled with the DPI. Window
// coordinates; right and bottom edges exclusive, as the system's regions take them.
#pragma once

#include "framework/geometry.h"

#include <array>

namespace blenker {

// The body rectangle, then for each corner (top-left, top-right, bottom-left, bottom-right) the
// corner square taken away (15 x 15 at 96 DPI) and the ellipse twice its size put back.
struct WindowShape {
    Rect body;
    std::array<Rect, 4> squares;
    std::array<Rect, 4> ellipses;
};

// width and height: the window's; caption: the caption's height; edge: the frame's inset; all
// in pixels at the window's DPI.
WindowShape SkinnedWindowShape(int width, int height, int caption, int edge, int dpi);

}  // namespace blenker
