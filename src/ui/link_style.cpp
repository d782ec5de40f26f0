#include "ui/link_style.h"

namespace blenker {

namespace {

// Half of what a side gives up, rounded down: an odd shrink leaves the control a pixel wider
// than the text, and an odd growth makes it a pixel wider too, never a pixel narrower (the
// static control would then wrap its text, and its second line is cut off).
int SideShrink(int room, int text) {
    const int difference = room - text;
    return difference >= 0 ? difference / 2 : -((1 - difference) / 2);
}

}  // namespace

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
        const int shrink = SideShrink(rect.bottom - rect.top, textHeight);
        rect.top += shrink;
        rect.bottom -= shrink;
    } else {
        rect.bottom = rect.top + textHeight;
    }
    switch (align) {
        case LinkAlign::Center: {
            const int shrink = SideShrink(rect.right - rect.left, textWidth);
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

Point LinkTextOrigin(Size client, Size text, LinkAlign align, bool centreVertically) {
    Point origin;
    if (align == LinkAlign::Center) {
        origin.x = (client.width - text.width) / 2;
    } else if (align == LinkAlign::Right) {
        origin.x = client.width - text.width;
    }
    if (centreVertically) {
        origin.y = (client.height - text.height) / 2;
    }
    return origin;
}

std::string WithoutMnemonics(std::string_view text) {
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && ++i == text.size()) {
            break;
        }
        shown += text[i];
    }
    return shown;
}

}  // namespace blenker
