#include "ui/menu_metrics.h"

#include "framework/dpi_scale.h"

namespace blenker {

namespace {

// The 96-DPI design, in pixels.
constexpr int kItemExtraWidth = 23;
constexpr int kItemExtraHeight = 4;
constexpr int kCheckLeftMargin = 4;
constexpr int kDotInset = 4;
constexpr int kTextGap = 8;
constexpr int kTextTopMargin = 2;

}  // namespace

Size MenuItemSize(int textWidth, int textHeight, int dpi) {
    return {textWidth + ScaleToDpi(kItemExtraWidth, dpi),
            textHeight + ScaleToDpi(kItemExtraHeight, dpi)};
}

Rect CheckDotRect(const Rect& item, int checkWidth, int checkHeight, int dpi) {
    // C++ division truncates toward zero, also when the check box is taller than the item.
    const int left = item.left + ScaleToDpi(kCheckLeftMargin, dpi);
    const int top = item.top + (item.bottom - item.top - checkHeight + 1) / 2;
    const int inset = ScaleToDpi(kDotInset, dpi);
    return {left + inset, top + inset, left + checkWidth - inset, top + checkHeight - inset};
}

Rect MenuTextRect(const Rect& item, int checkWidth, int dpi) {
    return {item.left + checkWidth + ScaleToDpi(kTextGap, dpi),
            item.top + ScaleToDpi(kTextTopMargin, dpi), item.right, item.bottom};
}

MenuItemLook MenuItemLookOf(const MenuColors& colors, bool selected, bool checked) {
    return {selected ? colors.selectedBackground : colors.background,
            selected ? colors.selectedText : colors.text, checked};
}

}  // namespace blenker
