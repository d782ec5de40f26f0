// The notification icon's menu as the program decides it: which items, in which order, with
// which text, and which one carries the check mark. The icon builds the real menu from this.
#pragma once

#include <array>

namespace blenker {

// What an item of the menu does.
enum class TrayCommand {
    SwitchScan,  // "Enabled"
    Minimize,    // hide the window
    Open,        // show the window
    Exit,        // end the program
};

// What the menu depends on.
struct TrayMenuState {
    bool hidden = false;    // the main window is hidden in the notification area
    bool scanning = false;  // the scan timer runs
};

struct TrayMenuItem {
    TrayCommand command;
    int textId;  // the string id of its text in the program's language
    bool checked;
    bool operator==(const TrayMenuItem&) const = default;
};

// Enabled (checked while scanning), then Open while the window is hidden or Minimize while it
// shows, then Exit.
std::array<TrayMenuItem, 3> TrayMenuItems(TrayMenuState state);

}  // namespace blenker
