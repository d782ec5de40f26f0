// The DPI that a window is shown at, and the system's measures for it. Windows 10 gives each
// window the DPI of its monitor; older systems have one DPI for the whole screen. The functions
// of the newer systems are looked up at run time, so the program still starts on Windows 7.
#pragma once

#include "framework/dpi_scale.h"
#include "framework/win32.h"

namespace blenker {

// The window's DPI (its monitor's), or the screen's where the system knows only one.
int WindowDpi(HWND window);
// The DPI of the monitor that shows this point of the screen.
int PointDpi(POINT point);
// A system metric (SM_CXICON, SM_CYCAPTION...) as the system gives it at this DPI.
int SystemMetricForDpi(int index, int dpi);
// Leaves the layout of this dialog to the program when its DPI changes: the system neither
// resizes its controls nor changes their fonts (Windows 10's automatic scaling of dialogs).
void LayOutOwnDpiChanges(HWND dialog);
// The suggested window rectangle of WM_DPICHANGED and the new DPI it carries.
inline int DpiChangedDpi(WPARAM wParam) {
    return HIWORD(wParam);
}

}  // namespace blenker
