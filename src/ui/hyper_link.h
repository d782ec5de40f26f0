// A static text control of a dialog turned into a link: underlined text in the link colours, a
// hand cursor, a tip that shows the target, the keyboard focus and the space bar, and the
// target opened by the shell when it is clicked.
#pragma once

#include <string>

#include "framework/subclassed_window.h"
#include "framework/tool_tip.h"
#include "framework/unique_handle.h"
#include "framework/win32.h"
#include "ui/link_state_machine.h"

namespace blenker {

class CHyperLink : private SubclassedWindow {
  public:
    CHyperLink() = default;
    // Gives the control back its own font and messages when it outlives the link.
    ~CHyperLink() override;

    // Turns the static control into this link, once: a missing target is taken from the text,
    // a missing text from the target; the link font, the hand cursor and the tip are made and
    // the control is fitted to its text. False when it is no window or already a link.
    bool Attach(HWND control);
    using SubclassedWindow::Hwnd;

    // Sets the target and, once the window exists, its tip, refitting the control.
    void SetLinkUrl(const std::string& target);
    // Sets the text and refits the control; does nothing before the window exists.
    void SetLinkText(const std::string& text);
    // Changes the colours of every link of the process from its next repaint on. A hover
    // colour of (COLORREF)-1 means the system's highlight colour.
    static void SetLinkColors(COLORREF normal, COLORREF active, COLORREF visited, COLORREF hover);
    static LinkColors Colors();
    // style = (style without "clear") with "set"; no repaint.
    void ChangeStyleBits(unsigned clear, unsigned set) { m_link.ChangeStyleBits(clear, set); }
    // Only addresses starting with "http://" or "https://" are opened (with secureOnly, only
    // "https://" ones); others fail. For targets that come from the network.
    void OpenWebAddressesOnly(bool secureOnly = false) { m_link.OpenWebAddressesOnly(secureOnly); }

    // Opens the target with the shell; on failure beeps and returns false, and the link stays
    // unvisited.
    bool OpenTarget();
    // Fits the control to its text when the style asks for it.
    void ResizeToText();

    const std::string& Target() const { return m_link.Target(); }
    const LinkState& State() const { return m_link.State(); }
    std::string TipText() const { return m_toolTip.TipText(Hwnd()); }
    // The cursor the links of a DPI show; loaded on first need, null when none could be loaded.
    static HCURSOR HandCursor(int dpi);

  private:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Takes this as the control's own font and gives the control the link font made from it,
    // then fits the control to its text; false when the font cannot be read. The dialog hands
    // its font to its controls again when its DPI changes, so the link grows and shrinks with
    // the dialog's text.
    bool TakeFont(HFONT controlFont);
    // Makes the platform calls that the state machine asked for.
    void Apply(const LinkReaction& reaction);
    bool IsInside(LPARAM point) const;
    // Draws the text on one line, in the colour the parent chose.
    void Paint() const;
    void Repaint() const;

    LinkStateMachine m_link;
    HFONT m_controlFont = nullptr;  // the control's own font, given back at the end
    UniqueFont m_font;
    ToolTip m_toolTip;
};

}  // namespace blenker
