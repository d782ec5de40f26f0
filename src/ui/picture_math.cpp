#include "ui/picture_math.h"

namespace blenker {

PictureArea RenderArea(int left, int top, int width, int height, int magnifyX, int magnifyY,
                       int himetricWidth, int himetricHeight, int dpiX, int dpiY) {
    const int extraX = magnifyX * HimetricToPixels(himetricWidth, dpiX);
    const int extraY = magnifyY * HimetricToPixels(himetricHeight, dpiY);
    return {left, top, width + extraX, height + extraY, extraX, extraY};
}

}  // namespace blenker
