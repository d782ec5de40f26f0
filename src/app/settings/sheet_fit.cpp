#include "app/settings/sheet_fit.h"

#include "framework/dpi_scale.h"

namespace blenker {

SheetFit FitSheetToPage(Size page, Point tab, Size button, int dpi) {
    const auto scaled = [dpi](int pixels) { return ScaleToDpi(pixels, dpi); };
    SheetFit fit{};
    fit.tab = {page.width + scaled(9), page.height + scaled(27)};
    fit.sheet = {fit.tab.width + scaled(17), fit.tab.height + scaled(68)};
    const int tabRight = tab.x + fit.tab.width;
    const int tabBottom = tab.y + fit.tab.height;
    fit.cancel = {tabRight - button.width, tabBottom + scaled(7)};
    fit.ok = {fit.cancel.x - button.width - scaled(15), tabBottom + scaled(7)};
    return fit;
}

}  // namespace blenker
