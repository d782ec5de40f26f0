#include "ui/menu_metrics.h"

namespace blenker {

namespace {

constexpr int kItemExtraWidth = 23;
constexpr int kItemExtraHeight = 4;
constexpr int kCheckLeftMargin = 4;
constexpr int kDotInset = 4;
constexpr int kTextGap = 8;
constexpr int kTextTopMargin = 2;

}  // namespace

Size MenuItemSize(int textWidth, int textHeight) {
    return {textWidth + kItemExtraWidth, textHeight + kItemExtraHeight};
}

Rect CheckDotRect(const Rect& item, int checkWidth, int checkHeight) {
    // C++ division truncates toward zero, also when the check box is taller than the item.
    const int left = item.left + kCheckLeftMargin;
    const int top = item.top + (item.bottom - item.top - checkHeight + 1) / 2;
    return {left + kDotInset, top + kDotInset, left + checkWidth - kDotInset,
            top + checkHeight - kDotInset};
}

Rect MenuTextRect(const Rect& item, int checkWidth) {
    return {item.left + checkWidth + kTextGap, item.top + kTextTopMargin, item.right, item.bottom};
}

MenuItemLook MenuItemLookOf(const MenuColors& colors, bool selected, bool checked) {
    return {selected ? colors.selectedBackground : colors.background,
            selected ? colors.selectedText : colors.text, checked};
}

}  // namespace blenker
