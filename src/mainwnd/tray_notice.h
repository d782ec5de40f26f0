// The notification icon as the program decides it: its messages, what the owner window does
// with each mouse message the shell reports for the icon, and the tip it shows.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace blenker {

// The notification icon's messages.
inline constexpr unsigned WM_TRAY_NOTIFY = 5001;   // the icon's callback; lParam: the mouse message
inline constexpr unsigned WM_TRAY_LBUTTON = 5002;  // a left press on the icon
inline constexpr unsigned WM_TRAY_RBUTTON = 5003;  // a right press on the icon
inline constexpr unsigned WM_TRAY_OTHER = 5004;    // any other mouse message on the icon
inline constexpr unsigned kTrayIconId = 102;

// The system's messages these decisions name (WM_COMMAND, WM_LBUTTONDOWN, WM_RBUTTONDOWN).
inline constexpr unsigned kCommandMessage = 0x0111;
inline constexpr std::intptr_t kLeftButtonDown = 0x0201;
inline constexpr std::intptr_t kRightButtonDown = 0x0204;

// The longest tip the shell shows (its buffer holds 64 characters with the end).
inline constexpr std::size_t kTrayTipLength = 63;

// What Set does to the icon.
enum class TrayAction {
    Add,
    Delete,
    ChangeTip,
};

// A message the owner posts to itself.
struct TrayPost {
    unsigned message = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
    bool operator==(const TrayPost&) const = default;
};

// What the owner does with one of the icon's messages: post one to itself (so that the shell
// is answered at once), or open the menu at the cursor.
struct TrayReaction {
    std::optional<TrayPost> post;
    bool openMenu = false;
    bool operator==(const TrayReaction&) const = default;
};

// WM_TRAY_NOTIFY becomes WM_TRAY_LBUTTON, WM_TRAY_RBUTTON or WM_TRAY_OTHER with the same
// parameters; a left press shows the window (the WM_BLENK_RESTORE command); a right press
// opens the menu. Nothing for a message that is not the icon's.
std::optional<TrayReaction> ReactToTray(unsigned message, std::uintptr_t wParam,
                                        std::intptr_t lParam);

// The caption as the icon's tip: cut to the shell's length.
std::string TrayTip(std::string_view caption);

}  // namespace blenker
