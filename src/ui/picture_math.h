// The arithmetic of the picture loader: picture sizes in HIMETRIC units (hundredths of a
// millimetre, 2540 to the inch) turned into pixels, and the area a picture is drawn into.
#pragma once

#include "framework/dpi_scale.h"

namespace blenker {

// A size in HIMETRIC units in pixels at this many dots per inch.
inline int HimetricToPixels(int himetric, int dotsPerInch) {
    return MulDivRounded(himetric, dotsPerInch, 2540);
}

// Where the picture is drawn: at (left, top), `width` x `height` pixels grown by `magnify` times
// its natural size in each direction; `extra` is that growth, which is also the bounds
// rectangle's right and bottom.
struct PictureArea {
    int left;
    int top;
    int width;
    int height;
    int extraX;
    int extraY;
};
PictureArea RenderArea(int left, int top, int width, int height, int magnifyX, int magnifyY,
                       int himetricWidth, int himetricHeight, int dpiX, int dpiY);

}  // namespace blenker
