#include "ui/link_style.h"

namespace blenker {

LinkColor LinkTextColor(const LinkState& state, unsigned style, const LinkColors& colors) {
    if (state.hover && (style & kLinkUseHover) != 0) {
        return colors.hover;
    }
    if (state.active && (style & kLinkNoActiveColor) == 0) {
        return colors.active;
    }
    return state.visited ? colors.visited : colors.normal;
}

Rect FitLinkToText(Rect rect, int textWidth, int textHeight, LinkAlign align,
                   bool centreVertically) {
    if (centreVertically) {
        const int shrink = (rect.bottom - rect.top - textHeight) / 2;
        rect.top += shrink;
        rect.bottom -= shrink;
    } else {
        rect.bottom = rect.top + textHeight;
    }
    switch (align) {
        case LinkAlign::Center: {
            const int shrink = (rect.right - rect.left - textWidth) / 2;
            rect.left += shrink;
            rect.right -= shrink;
            break;
        }
        case LinkAlign::Right:
            rect.left = rect.right - textWidth;
            break;
        case LinkAlign::Left:
            rect.right = rect.left + textWidth;
            break;
    }
    return rect;
}

}  // namespace blenker
