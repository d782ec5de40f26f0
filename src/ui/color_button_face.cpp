#include "ui/color_button_face.h"

#include "framework/dpi_scale.h"

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

// The drop-down arrow, a triangle pointing down whose top row is centred on x and lies just
// above y: rows of 5, 3 and 1 pixels at 96 DPI, more rows at a larger DPI. Greyed, each row
// ends on a white pixel of relief.
void AddArrow(ColorButtonFace& face, int x, int y, bool disabled, int dpi) {
    const Ink ink = disabled ? Ink::Grey : Ink::Black;
    const int rows = ScaleToDpi(3, dpi);
    const int top = y - rows / 2;
    for (int row = 0; row < rows; ++row) {
        const int half = rows - 1 - row;
        const Point right{x + half, top + row};
        if (half > 0) {  // drawn from the right; the left end point is left out
            face.lines.push_back({ink, {right, {x - half - 1, right.y}}});
        } else if (!disabled) {
            face.pixels.push_back({ink, right});
        }
        if (disabled) {
            face.pixels.push_back({Ink::White, right});
        }
    }
}

// Every other pixel of the rectangle's border, `inset` pixels inside the face.
void AddFocusDots(std::vector<InkPixel>& pixels, const Rect& face, int inset) {
    const int l = face.left + inset;
    const int t = face.top + inset;
    const int r = face.right - 1 - inset;
    const int b = face.bottom - 1 - inset;
    for (int x = l; x < r; x += 2) {
        pixels.push_back({Ink::Black, {x, t}});
        pixels.push_back({Ink::Black, {x, b}});
    }
    for (int y = t; y < b; y += 2) {
        pixels.push_back({Ink::Black, {l, y}});
        pixels.push_back({Ink::Black, {r, y}});
    }
}

}  // namespace

ColorButtonFace ColorButtonFaceOf(const Rect& item, ColorButtonState state, int dpi) {
    const auto scaled = [dpi](int length) { return ScaleToDpi(length, dpi); };
    ColorButtonFace face;
    const Rect f = AddEdges(face.lines, item, state.pressed);
    const int l = f.left;
    const int t = f.top;
    const int r = f.right;
    const int b = f.bottom;
    // The separator between the swatch and the arrow: a white line beside a grey one.
    const int separator = r - scaled(10);
    face.lines.push_back({Ink::White, {{separator, t + scaled(4)}, {separator, b - scaled(4)}}});
    face.lines.push_back(
        {Ink::Grey, {{separator - 1, t + scaled(4)}, {separator - 1, b - scaled(4)}}});

    AddArrow(face, r - scaled(6), b / 2, state.disabled, dpi);
    if (!state.disabled) {
        face.swatch = Rect{l + scaled(5), t + scaled(4), r - scaled(15), b - scaled(4)};
    }
    if (state.focused) {
        AddFocusDots(face.pixels, f, scaled(3));
    }
    return face;
}

}  // namespace blenker
