#include "app/settings/sheet_fit.h"

namespace blenker {

SheetFit FitSheetToPage(Size page, Point tab, Size button) {
    SheetFit fit{};
    fit.tab = {page.width + 9, page.height + 27};
    fit.sheet = {fit.tab.width + 17, fit.tab.height + 68};
    const int tabRight = tab.x + fit.tab.width;
    const int tabBottom = tab.y + fit.tab.height;
    fit.cancel = {tabRight - button.width, tabBottom + 7};
    fit.ok = {fit.cancel.x - button.width - 15, tabBottom + 7};
    return fit;
}

}  // namespace blenker
