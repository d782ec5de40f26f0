// The notification icon's menu as the program decides it: which items, in which order, with
// which command and text, and which one carries the check mark. The icon builds the real menu
// from this.
#pragma once

#include <array>

namespace blenker {

// The commands of the notification icon and its menu, as the main window's WM_COMMAND ids.
inline constexpr int ID_TRAY_ENABLED = 1025;   // switch scanning
inline constexpr int ID_TRAY_MINIMIZE = 1026;  // hide the window
inline constexpr int WM_BLENK_RESTORE = 1027;  // show the window
inline constexpr int kTrayExitCommand = 1;     // IDOK, the main window's own way out

// What the menu depends on.
struct TrayMenuState {
    bool hidden = false;    // the main window is hidden in the notification area
    bool scanning = false;  // the scan timer runs
};

struct TrayMenuItem {
    int command;
    int textId;  // the string id of its text in the program's language
    bool checked;
    bool operator==(const TrayMenuItem&) const = default;
};

// Enabled (checked while scanning), then Open while the window is hidden or Minimize while it
// shows, then Exit.
std::array<TrayMenuItem, 3> TrayMenuItems(TrayMenuState state);

}  // namespace blenker
