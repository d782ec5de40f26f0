#include "mainwnd/tray_menu.h"

#include "resource.h"

namespace blenker {

std::array<TrayMenuItem, 3> TrayMenuItems(TrayMenuState state) {
    const TrayMenuItem show = state.hidden
                                  ? TrayMenuItem{WM_BLENK_RESTORE, IDS_TRAY_OPEN, false}
                                  : TrayMenuItem{ID_TRAY_MINIMIZE, IDS_TRAY_MINIMIZE, false};
    return {{{ID_TRAY_ENABLED, IDS_TRAY_ENABLED, state.scanning},
             show,
             {kTrayExitCommand, IDS_TRAY_EXIT, false}}};
}

}  // namespace blenker
