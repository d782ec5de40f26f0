#include "framework/dpi_scale.h"

#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <utility>

namespace blenker {

namespace {

int PercentAtLeast(std::int64_t numerator, std::int64_t denominator) {
    // The smallest drawn percentage p with p / 100 >= numerator / denominator.
    for (const int percent : {100, 150}) {
        if (percent * denominator >= 100 * numerator) {
            return percent;
        }
    }
    return 200;
}

}  // namespace

int MulDivRounded(int a, int b, int c) {
    if (c == 0) {
        return -1;
    }
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const std::int64_t divisor = std::llabs(c);
    const std::int64_t quotient = (std::llabs(product) + divisor / 2) / divisor;
    return static_cast<int>((product < 0) != (c < 0) ? -quotient : quotient);
}

int ScaleToDpi(int length, int dpi) {
    return MulDivRounded(length, dpi, kDesignDpi);
}

Rect ScaleToDpi(const Rect& rect, int dpi) {
    return {ScaleToDpi(rect.left, dpi), ScaleToDpi(rect.top, dpi), ScaleToDpi(rect.right, dpi),
            ScaleToDpi(rect.bottom, dpi)};
}

Point ScaleToDpi(const Point& point, int dpi) {
    return {ScaleToDpi(point.x, dpi), ScaleToDpi(point.y, dpi)};
}

Size ScaleToDpi(const Size& size, int dpi) {
    return {ScaleToDpi(size.width, dpi), ScaleToDpi(size.height, dpi)};
}

int ArtPercent(int dpi) {
    return PercentAtLeast(dpi, kDesignDpi);
}

int ArtResourceId(int id100, int percent) {
    return percent >= 200 ? id100 + 2000 : percent >= 150 ? id100 + 1000 : id100;
}

int ArtPercentForSize(Size actual, Size design) {
    if (design.width <= 0 || design.height <= 0) {
        return 100;
    }
    // Compare actual.width / design.width with actual.height / design.height without division.
    const bool widthDecides = static_cast<std::int64_t>(actual.width) * design.height >=
                              static_cast<std::int64_t>(actual.height) * design.width;
    return widthDecides ? PercentAtLeast(actual.width, design.width)
                        : PercentAtLeast(actual.height, design.height);
}

Size ShownArtSize(Size art, int artPercent, int dpi) {
    return ScaleToDpi(Size{art.width * 100 / artPercent, art.height * 100 / artPercent}, dpi);
}

Rect DesignRect(const Rect& laidOut, Size baseUnits) {
    // Per axis: the units of the position and of the size, each found and measured again.
    const auto axis = [](int start, int length, int base, int perBase, int design) {
        const int units = MulDivRounded(start, perBase, base);
        const int extent = MulDivRounded(length, perBase, base);
        const int designStart = MulDivRounded(units, design, perBase);
        return std::pair{designStart, designStart + MulDivRounded(extent, design, perBase)};
    };
    const auto [left, right] =
        axis(laidOut.left, laidOut.Width(), baseUnits.width, 4, kDesignBaseUnits.width);
    const auto [top, bottom] =
        axis(laidOut.top, laidOut.Height(), baseUnits.height, 8, kDesignBaseUnits.height);
    return {left, top, right, bottom};
}

}  // namespace blenker
