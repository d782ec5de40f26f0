#include "mainwnd/tray_notice.h"

#include "mainwnd/tray_menu.h"

namespace blenker {

namespace {

unsigned PressMessage(std::intptr_t mouseMessage) {
    if (mouseMessage == kLeftButtonDown) {
        return WM_TRAY_LBUTTON;
    }
    return mouseMessage == kRightButtonDown ? WM_TRAY_RBUTTON : WM_TRAY_OTHER;
}

}  // namespace

std::optional<TrayReaction> ReactToTray(unsigned message, std::uintptr_t wParam,
                                        std::intptr_t lParam) {
    switch (message) {
        case WM_TRAY_NOTIFY:
            return TrayReaction{TrayPost{PressMessage(lParam), wParam, lParam}, false};
        case WM_TRAY_LBUTTON:
            return TrayReaction{TrayPost{kCommandMessage, WM_BLENK_RESTORE, 0}, false};
        case WM_TRAY_RBUTTON:
            return TrayReaction{std::nullopt, true};
        default:
            return std::nullopt;
    }
}

std::string TrayTip(std::string_view caption) {
    return std::string(caption.substr(0, kTrayTipLength));
}

}  // namespace blenker
