#include "mainwnd/window_shape.h"

namespace blenker {

WindowShape SkinnedWindowShape(int width, int height, int caption, int edge) {
    constexpr int kSquare = 15;
    constexpr int kEllipse = 2 * kSquare;
    const int left = edge;
    const int top = caption + edge;
    const int right = width - edge;
    const int bottom = height - edge;
    return {
        {left, top, right, bottom},
        {{{left, top, left + kSquare, top + kSquare},
          {right - kSquare, top, right, top + kSquare},
          {left, bottom - kSquare, left + kSquare, bottom},
          {right - kSquare, bottom - kSquare, right, bottom}}},
        {{{left, top, left + kEllipse, top + kEllipse},
          {right - kEllipse, top, right, top + kEllipse},
          {left, bottom - kEllipse, left + kEllipse, bottom},
          {right - kEllipse, bottom - kEllipse, right, bottom}}},
    };
}

}  // namespace blenker
