// Plain geometry in pixels for the portable rules: a rectangle (right and bottom exclusive, as in
// a Win32 RECT), a point and a size. ToRect and ToRECT in framework/window.h convert a rectangle
// from and to the system's RECT.
#pragma once

namespace blenker {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// Where a window of this rectangle goes to lie inside the area, moved as little as it can; its
// top-left corner stays inside when it is larger than the area.
inline Point MovedInto(const Rect& window, const Rect& area) {
    const auto axis = [](int start, int length, int low, int high) {
        return start + length > high ? (high - length > low ? high - length : low)
                                     : (start < low ? low : start);
    };
    return {axis(window.left, window.Width(), area.left, area.right),
            axis(window.top, window.Height(), area.top, area.bottom)};
}

}  // namespace blenker
