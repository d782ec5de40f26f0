#include "app/settings/resizeable_property_sheet.h"

#include <commctrl.h>

#include "app/settings/resizeable_property_page.h"
#include "app/settings/sheet_fit.h"
#include "framework/dpi.h"
#include "framework/window.h"
#include "messages.h"

namespace blenker {

namespace {

void Resize(HWND window, Size size) {
    ::SetWindowPos(window, nullptr, 0, 0, size.width, size.height,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Move(HWND window, Point at) {
    ::SetWindowPos(window, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

LRESULT CResizeablePropertySheet::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        // One row of tabs, scrolled when they do not fit: set before the sheet lays them out.
        const HWND tab = TabControl();
        ::SetWindowLongW(tab, GWL_STYLE, ::GetWindowLongW(tab, GWL_STYLE) & ~TCS_MULTILINE);
    }
    const LRESULT result = PropertySheet::OnMessage(message, wParam, lParam);
    if ((message == WM_NOTIFY &&
         reinterpret_cast<const NMHDR*>(lParam)->code == static_cast<UINT>(TCN_SELCHANGE)) ||
        message == WM_FIT_TO_PAGE) {
        // The sheet has shown the newly selected page by now.
        FitToActivePage();
    }
    return result;
}

void CResizeablePropertySheet::OnInitDialog() {
    if (const HWND help = Item(IDHELP)) {
        ::ShowWindow(help, SW_HIDE);
    }
    FitToActivePage();
}

void CResizeablePropertySheet::FitToActivePage() {
    const auto* page = dynamic_cast<const CResizeablePropertyPage*>(ActivePage());
    const HWND tab = TabControl();
    const HWND cancel = Item(IDCANCEL);
    if (page == nullptr || tab == nullptr || cancel == nullptr) {
        return;
    }
    const RECT& own = page->PageRect();
    const RECT tabRect = WindowRectIn(tab, Hwnd());
    const RECT button = WindowRectIn(cancel, Hwnd());
    const Size pageSize{own.right - own.left, own.bottom - own.top};
    const SheetFit fit =
        FitSheetToPage(pageSize, {tabRect.left, tabRect.top},
                       {button.right - button.left, button.bottom - button.top}, WindowDpi(Hwnd()));
    Resize(tab, fit.tab);
    Resize(page->Hwnd(), pageSize);
    const Rect before = ToRect(WindowRectIn(Hwnd(), nullptr));
    Resize(Hwnd(), fit.sheet);
    // A sheet that grew out of the work area (a tall page at 200 %) moves back into it; one that
    // the user placed partly outside stays where it is.
    const Rect area = WorkAreaOf(Hwnd());
    const Rect after = ToRect(WindowRectIn(Hwnd(), nullptr));
    if ((before.bottom <= area.bottom && after.bottom > area.bottom) ||
        (before.right <= area.right && after.right > area.right)) {
        Move(Hwnd(), MovedInto(after, area));
    }
    Move(cancel, fit.cancel);
    Move(Item(IDOK), fit.ok);
    // A sheet that grew shows its buttons in a strip that was not on the screen before: the whole
    // sheet is painted again, its controls included, or they stay hidden until something else
    // paints them.
    ::RedrawWindow(Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

}  // namespace blenker
