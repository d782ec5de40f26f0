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

}  // namespace blenker
