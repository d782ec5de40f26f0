#include "mainwnd/tray_menu.h"

#include "resource.h"

namespace blenker {

std::array<TrayMenuItem, 3> TrayMenuItems(TrayMenuState state) {
    const TrayMenuItem show = state.hidden
                                  ? TrayMenuItem{TrayCommand::Open, IDS_TRAY_OPEN, false}
                                  : TrayMenuItem{TrayCommand::Minimize, IDS_TRAY_MINIMIZE, false};
    return {{{TrayCommand::SwitchScan, IDS_TRAY_ENABLED, state.scanning},
             show,
             {TrayCommand::Exit, IDS_TRAY_EXIT, false}}};
}

}  // namespace blenker
