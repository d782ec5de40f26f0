#include "ui/picture_math.h"

#include <cstdint>
#include <cstdlib>

namespace blenker {

int MulDivRounded(int a, int b, int c) {
    if (c == 0) {
        return -1;
    }
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const std::int64_t divisor = std::llabs(c);
    const std::int64_t quotient = (std::llabs(product) + divisor / 2) / divisor;
    return static_cast<int>((product < 0) != (c < 0) ? -quotient : quotient);
}

PictureArea RenderArea(int left, int top, int width, int height, int magnifyX, int magnifyY,
                       int himetricWidth, int himetricHeight, int dpiX, int dpiY) {
    const int extraX = magnifyX * HimetricToPixels(himetricWidth, dpiX);
    const int extraY = magnifyY * HimetricToPixels(himetricHeight, dpiY);
    return {left, top, width + extraX, height + extraY, extraX, extraY};
}

}  // namespace blenker
