#include "ui/link_state_machine.h"

#include "app/web_address.h"

namespace blenker {

LinkColor LinkStateMachine::TextColor(const LinkColors& colors) const {
    return LinkTextColor(m_state, m_style, colors);
}

bool LinkStateMachine::MayOpen() const {
    if (!m_webOnly) {
        return true;
    }
    return m_secureOnly ? IsSecureAddress(m_target) : IsWebAddress(m_target);
}

std::optional<std::string> LinkStateMachine::Attach(std::string_view text) {
    if (m_target.empty()) {
        m_target = text;
    }
    if (text.empty()) {
        return m_target;
    }
    return std::nullopt;
}

LinkReaction LinkStateMachine::MouseMove(bool inside) {
    if (!m_state.hover) {
        // The mouse came in: the control holds it to learn when it leaves.
        m_state.hover = true;
        return {.repaint = true, .capture = true};
    }
    if (!inside) {
        m_state.hover = false;
        return {.release = true, .repaint = true};
    }
    return {};
}

LinkReaction LinkStateMachine::CaptureChanged(bool toSelf) {
    // Another window took the mouse: the pointer is no longer known to be over the link.
    if (m_state.hover && !toSelf) {
        m_state.hover = false;
        return {.repaint = true};
    }
    return {};
}

LinkReaction LinkStateMachine::ButtonDown() {
    m_state.active = true;
    return {.takeFocus = (m_style & kLinkGetFocusOnClick) != 0,
            .follow = (m_style & kLinkDownClick) != 0};
}

LinkReaction LinkStateMachine::ButtonUp() const {
    return {.follow = m_state.active && (m_style & kLinkDownClick) == 0};
}

LinkReaction LinkStateMachine::FocusGained() {
    m_state.active = true;
    return {.repaint = true};
}

LinkReaction LinkStateMachine::FocusLost() {
    m_state.hover = false;
    m_state.active = false;
    return {.repaint = true};
}

LinkReaction LinkStateMachine::Followed(bool opened) {
    if (!opened) {
        return {.beep = true};
    }
    m_state.visited = true;
    return {.repaint = true};
}

}  // namespace blenker
