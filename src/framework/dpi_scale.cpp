#include "framework/dpi_scale.h"

#include <cstdint>
#include <initializer_list>

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

int ScaleToDpi(int length, int dpi) {
    const std::int64_t product = static_cast<std::int64_t>(length) * dpi;
    const std::int64_t half = kDesignDpi / 2;
    return static_cast<int>(product >= 0 ? (product + half) / kDesignDpi
                                         : -((-product + half) / kDesignDpi));
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

}  // namespace blenker
