// The hyperlink control's behaviour without its window: the events the control receives (mouse,
// capture, button, focus, keyboard, the shell's answer) change its hover, active and visited
// state, and each event answers what the control must now do on the screen.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "ui/link_style.h"

namespace blenker {

// What the control does after an event, in this order: take the focus, follow the link, let go
// of the mouse, beep, repaint, hold the mouse.
struct LinkReaction {
    bool takeFocus = false;
    bool follow = false;
    bool release = false;
    bool beep = false;
    bool repaint = false;
    bool capture = false;
};

class LinkStateMachine {
  public:
    const LinkState& State() const { return m_state; }
    unsigned Style() const { return m_style; }
    // style = (style without "clear") with "set".
    void ChangeStyleBits(unsigned clear, unsigned set) { m_style = (m_style & ~clear) | set; }
    // A control without a font is never fitted to its text.
    void NoFont() { m_style &= ~kLinkAutoSize; }
    bool Underlined() const { return (m_style & kLinkUnderline) != 0; }
    bool AutoSize() const { return (m_style & kLinkAutoSize) != 0; }
    bool WantsHandCursor() const { return (m_style & kLinkNoHandCursor) == 0; }
    LinkColor TextColor(const LinkColors& colors) const;

    const std::string& Target() const { return m_target; }
    void SetTarget(std::string target) { m_target = std::move(target); }
    // Only web addresses are opened from now on: the target came from the network. With
    // secureOnly, only https addresses: the target came over https, and a plain address would
    // hand the download to anyone on the way.
    void OpenWebAddressesOnly(bool secureOnly = false) {
        m_webOnly = true;
        m_secureOnly = secureOnly;
    }
    // Whether the target may be handed to the shell.
    bool MayOpen() const;
    // The control is attached with this text: an empty target becomes the text. Returns the text
    // the control must show instead of its own when it has none.
    std::optional<std::string> Attach(std::string_view text);

    // The mouse moved, inside the control's client area or (while held) outside it.
    LinkReaction MouseMove(bool inside);
    // The mouse capture went to another window (or to none); toSelf when this control took it.
    LinkReaction CaptureChanged(bool toSelf);
    LinkReaction ButtonDown();
    LinkReaction ButtonUp() const;
    LinkReaction FocusGained();
    LinkReaction FocusLost();
    LinkReaction SpaceBar() const { return {.follow = true}; }
    // The shell's answer to following the link: only an opened target makes it visited.
    LinkReaction Followed(bool opened);

  private:
    LinkState m_state;
    unsigned m_style = kLinkDefaultStyle;
    bool m_webOnly = false;
    bool m_secureOnly = false;
    std::string m_target;
};

}  // namespace blenker
