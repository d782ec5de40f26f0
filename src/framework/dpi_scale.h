// Sizes on the screen for a window's DPI. The program's windows are designed at 96 dots per inch
// (100 %): every length in pixels of that design is scaled to the DPI of the window that shows
// it, and the pictures are taken from the art drawn for 100, 150 or 200 %.
#pragma once

#include "framework/geometry.h"

namespace blenker {

inline constexpr int kDesignDpi = 96;

// a * b / c rounded half away from zero, as the system's MulDiv rounds; -1 when c is 0.
int MulDivRounded(int a, int b, int c);

// A length of the 96-DPI design at this DPI, rounded to the nearest pixel (halves away from 0).
int ScaleToDpi(int length, int dpi);
// Each edge scaled on its own, so rectangles that touch at 96 DPI still touch.
Rect ScaleToDpi(const Rect& rect, int dpi);
Point ScaleToDpi(const Point& point, int dpi);
Size ScaleToDpi(const Size& size, int dpi);

// The art for a scale: the smallest of the drawn 100, 150 and 200 % that is at least as large,
// so a picture is only ever scaled down; above 200 %, the 200 % art.
int ArtPercent(int dpi);
// The resource id of a picture's art at that percentage: the 100 % id, + 1000 for 150 %,
// + 2000 for 200 %.
int ArtResourceId(int id100, int percent);
// The art to fill `actual` pixels with a picture designed at `design` pixels (the larger ratio
// of the two sides decides).
int ArtPercentForSize(Size actual, Size design);

// The size a picture drawn at `artPercent` (its pixels `art`) has at this DPI: its 100 % size
// scaled to the DPI.
Size ShownArtSize(Size art, int artPercent, int dpi);

// The dialog templates' font, 8-point "MS Shell Dlg", measures 6 x 13 pixels for 4 x 8 dialog
// units at 96 DPI: the base units of the 96-DPI design.
inline constexpr Size kDesignBaseUnits{6, 13};
// A control (or client area) that the dialog manager laid out with these base units, in pixels
// of the 96-DPI design: its dialog units are found again (the manager rounds each position and
// size to the nearest pixel, and a dialog unit is at least a pixel), then measured with the
// design's base units.
Rect DesignRect(const Rect& laidOut, Size baseUnits);

}  // namespace blenker
