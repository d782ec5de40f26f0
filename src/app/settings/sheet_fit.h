// Where the settings sheet puts its parts when it fits itself to the page shown: the tab control
// wraps the page, the sheet wraps the tab control, and OK and Cancel sit 7 pixels below the tab
// control, Cancel right-aligned with it and OK 15 pixels to its left. Pixels throughout; the
// margins are those of 96 DPI, scaled to the sheet's DPI.
#pragma once

#include "framework/geometry.h"

namespace blenker {

struct SheetFit {
    Size tab;      // the tab control's new size (it keeps its place)
    Size sheet;    // the sheet window's new size (it keeps its place)
    Point cancel;  // Cancel's new top-left in the sheet's client area
    Point ok;      // OK's new top-left in the sheet's client area
};

// page: the page's own size; tab: the tab control's top-left in the sheet's client area;
// button: the size of Cancel (OK has the same); dpi: the sheet's.
SheetFit FitSheetToPage(Size page, Point tab, Size button, int dpi);

}  // namespace blenker
