#include "framework/dialog_colors.h"

#include <uxtheme.h>

#include <cstring>

#include "framework/group_box.h"
#include "framework/unique_handle.h"
#include "framework/window.h"

namespace blenker {

namespace {

struct Colors {
    COLORREF background = RGB(0, 0, 0);
    COLORREF text = RGB(255, 255, 255);
    UniqueBrush brush{::CreateSolidBrush(RGB(0, 0, 0))};
};

Colors& Current() {
    static Colors colors;
    return colors;
}

BOOL CALLBACK KeepColorsOf(HWND child, LPARAM) {
    if (!IsOfClass(child, L"Button")) {
        return TRUE;
    }
    switch (::GetWindowLongW(child, GWL_STYLE) & BS_TYPEMASK) {
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_3STATE:
        case BS_AUTO3STATE:
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
            ::SetWindowTheme(child, L"", L"");
            break;
        case BS_GROUPBOX:
            DrawGroupBoxInDialogColors(child);
            break;
        default:
            break;
    }
    return TRUE;
}

}  // namespace

void KeepDialogColorsOnButtons(HWND dialog) {
    ::EnumChildWindows(dialog, &KeepColorsOf, 0);
}

void SetDialogColors(COLORREF background, COLORREF text) {
    Colors& colors = Current();
    colors.background = background;
    colors.text = text;
    colors.brush.Reset(::CreateSolidBrush(background));
}

HBRUSH DialogColorBrush(UINT message, HDC dc, HWND control) {
    switch (message) {
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORBTN:
            break;
        case WM_CTLCOLORSTATIC:
            // A read-only or disabled edit field asks as a static; it keeps the system colours.
            if (IsOfClass(control, L"Edit")) {
                return nullptr;
            }
            break;
        default:
            return nullptr;
    }
    Colors& colors = Current();
    ::SetTextColor(dc, colors.text);
    ::SetBkColor(dc, colors.background);
    return colors.brush.Get();
}

}  // namespace blenker
