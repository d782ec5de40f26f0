#include "mainwnd/tray_presence.h"

namespace blenker {

void TrayPresence::Told(TrayAction action, std::string_view tip) {
    switch (action) {
        case TrayAction::Add:
            m_wanted = true;
            m_tip = TrayTip(tip);
            break;
        case TrayAction::ChangeTip:
            m_tip = TrayTip(tip);
            break;
        case TrayAction::Delete:
            m_wanted = false;
            break;
    }
}

std::optional<std::string> TrayPresence::AfterShellRestart() const {
    if (!m_wanted) {
        return std::nullopt;
    }
    return m_tip;
}

}  // namespace blenker
