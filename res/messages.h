// The program's private window messages, all of them here (the dialog base's reflected
// WM_CTLCOLORSTATIC belongs to the framework, which knows no part of the program). Their numbers
// are the ones the program has always used: another program (a test, a tool) may send them.
#pragma once

#include <windows.h>

// Sent (not posted) by a colour button to its parent after a pick: wParam the button's control
// id, lParam the new colour; sent even when the colour is the one the button had.
inline constexpr UINT WM_COLOR_CHANGED = WM_USER + 5;
// Posted to the colour palette to take the mouse once whatever is under way is through: the
// activation that comes with showing the window cancels a capture taken before it
// (WM_CANCELMODE).
inline constexpr UINT WM_HOLD_MOUSE = WM_APP + 1;
// Posted by a settings page to its sheet when it becomes the page shown, however it was chosen
// (a click on its tab, Ctrl+Tab, PSM_SETCURSEL): the sheet fits itself to it.
inline constexpr UINT WM_FIT_TO_PAGE = WM_APP + 2;
// Posted to a download's target window when the transfer has ended, with its outcome's code.
inline constexpr UINT WM_DOWNLOAD_DONE = WM_USER + 1001;
// A window of another program appeared or was renamed (wParam: the window), for the instant
// blenk; posted by the window event hooks.
inline constexpr UINT WM_WINDOW_APPEARED = WM_USER + 1002;

// The notification icon's callback (lParam: the mouse message on the icon), and the messages
// the main window posts itself for it, so that the shell is answered at once.
inline constexpr UINT WM_TRAY_NOTIFY = 5001;
inline constexpr UINT kTrayIconId = 102;  // the icon's id with the shell, WM_TRAY_NOTIFY's wParam
inline constexpr UINT WM_TRAY_LBUTTON = 5002;  // a left press on the icon
inline constexpr UINT WM_TRAY_RBUTTON = 5003;  // a right press on the icon
inline constexpr UINT WM_TRAY_OTHER = 5004;    // any other mouse message on the icon
