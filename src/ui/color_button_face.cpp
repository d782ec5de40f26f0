#include "ui/color_button_face.h"

namespace blenker {

namespace {

// The raised edges, or the sunken ones with the face moved one pixel right and down; returns the
// face's rectangle.
Rect AddEdges(std::vector<InkLine>& lines, Rect face, bool pressed) {
    const int l = face.left;
    const int t = face.top;
    const int r = face.right;
    const int b = face.bottom;
    if (!pressed) {
        lines.push_back({Ink::Black, {{l, b - 1}, {r - 1, b - 1}, {r - 1, t}}});
        lines.push_back({Ink::Grey, {{l + 1, b - 2}, {r - 2, b - 2}, {r - 2, t + 1}}});
        lines.push_back({Ink::White, {{r - 2, t + 1}, {l + 1, t + 1}, {l + 1, b - 2}}});
        return face;
    }
    lines.push_back({Ink::Grey, {{l, b - 1}, {l, t}, {r - 1, t}}});
    lines.push_back({Ink::White, {{r - 1, t - 1}, {r - 1, b - 1}, {l + 1, b - 1}}});
    lines.push_back({Ink::Black, {{l + 1, b - 2}, {l + 1, t + 1}, {r - 2, t + 1}}});
    return {l + 1, t + 1, r + 1, b + 1};
}

// Every other pixel of the rectangle's border, 3 pixels inside the face.
void AddFocusDots(std::vector<InkPixel>& pixels, const Rect& face) {
    const int l = face.left;
    const int t = face.top;
    const int r = face.right;
    const int b = face.bottom;
    for (int x = l + 3; x < r - 4; x += 2) {
        pixels.push_back({Ink::Black, {x, t + 3}});
        pixels.push_back({Ink::Black, {x, b - 4}});
    }
    for (int y = t + 3; y < b - 4; y += 2) {
        pixels.push_back({Ink::Black, {l + 3, y}});
        pixels.push_back({Ink::Black, {r - 4, y}});
    }
}

}  // namespace

ColorButtonFace ColorButtonFaceOf(const Rect& item, ColorButtonState state) {
    ColorButtonFace face;
    const Rect f = AddEdges(face.lines, item, state.pressed);
    const int l = f.left;
    const int t = f.top;
    const int r = f.right;
    const int b = f.bottom;
    face.lines.push_back({Ink::White, {{r - 10, t + 4}, {r - 10, b - 4}}});
    face.lines.push_back({Ink::Grey, {{r - 11, t + 4}, {r - 11, b - 4}}});

    // The arrow: rows of 5, 3 and 1 pixels, greyed with a white relief when disabled.
    const Ink arrow = state.disabled ? Ink::Grey : Ink::Black;
    const int m = b / 2;
    face.lines.push_back({arrow, {{r - 4, m - 1}, {r - 9, m - 1}}});
    face.lines.push_back({arrow, {{r - 5, m}, {r - 8, m}}});
    if (state.disabled) {
        for (const Point relief : {Point{r - 4, m - 1}, Point{r - 5, m}, Point{r - 6, m + 1}}) {
            face.pixels.push_back({Ink::White, relief});
        }
    } else {
        face.pixels.push_back({Ink::Black, {r - 6, m + 1}});
        face.swatch = Rect{l + 5, t + 4, r - 15, b - 4};
    }
    if (state.focused) {
        AddFocusDots(face.pixels, f);
    }
    return face;
}

}  // namespace blenker
