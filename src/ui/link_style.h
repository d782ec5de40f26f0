// The hyperlink control's decisions that need no window: its style bits, the colour its text
// takes, the rectangle that fits the control to its text, and where and what it paints.
#pragma once

#include "framework/geometry.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace blenker {

// Style bits of a link; the default is 0x17.
inline constexpr unsigned kLinkUnderline = 0x01;  // the link font is underlined
inline constexpr unsigned kLinkUseHover = 0x02;   // the hover colour while the mouse is over it
inline constexpr unsigned kLinkAutoSize = 0x04;   // the control is fitted to its text
inline constexpr unsigned kLinkDownClick = 0x08;  // followed on the button press, not release
inline constexpr unsigned kLinkGetFocusOnClick = 0x10;  // a click gives it the keyboard focus
inline constexpr unsigned kLinkNoHandCursor = 0x20;     // no hand cursor is loaded for it
inline constexpr unsigned kLinkNoActiveColor = 0x40;    // the active colour is never used
inline constexpr unsigned kLinkDefaultStyle = 0x17;

// Colours as 0x00BBGGRR, the layout of a Windows COLORREF.
using LinkColor = std::uint32_t;

struct LinkColors {
    LinkColor normal;
    LinkColor active;
    LinkColor visited;
    LinkColor hover;
};

struct LinkState {
    bool hover = false;
    bool active = false;
    bool visited = false;
};

// The text colour: hover (when the style uses it) before active (unless the style refuses it)
// before visited before normal.
LinkColor LinkTextColor(const LinkState& state, unsigned style, const LinkColors& colors);

enum class LinkAlign { Left, Center, Right };

// The control's client-sized rectangle fitted to a text of the given size. Vertically it keeps
// its top, or, when centred, shrinks evenly at top and bottom; horizontally it keeps its left
// side, its right side, or shrinks evenly at both, after its alignment. An even shrink or growth
// moves both sides by the same amount; when the difference is odd, the text gets the pixel
// over, so the rectangle is never narrower or lower than the text.
Rect FitLinkToText(Rect rect, int textWidth, int textHeight, LinkAlign align,
                   bool centreVertically);

// Where a text of the given size starts in the control's client area: at the left, in the middle
// or at the right after the alignment; at the top, or in the middle when centred vertically.
Point LinkTextOrigin(Size client, Size text, LinkAlign align, bool centreVertically);

// The text as a static control shows it without the "no prefix" style: a single '&' only
// marks the next letter and is not shown, "&&" shows one '&'.
std::string WithoutMnemonics(std::string_view text);

}  // namespace blenker
