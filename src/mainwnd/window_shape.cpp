#include "mainwnd/window_shape.h"

#include "framework/dpi_scale.h"

namespace blenker {

WindowShape SkinnedWindowShape(int width, int height, int caption, int edge, int dpi) {
    const int square = ScaleToDpi(15, dpi);
    const int ellipse = 2 * square;
    const int left = edge;
    const int top = caption + edge;
    const int right = width - edge;
    const int bottom = height - edge;
    return {
        {left, top, right, bottom},
        {{{left, top, left + square, top + square},
          {right - square, top, right, top + square},
          {left, bottom - square, left + square, bottom},
          {right - square, bottom - square, right, bottom}}},
        {{{left, top, left + ellipse, top + ellipse},
          {right - ellipse, top, right, top + ellipse},
          {left, bottom - ellipse, left + ellipse, bottom},
          {right - ellipse, bottom - ellipse, right, bottom}}},
    };
}

}  // namespace blenker
