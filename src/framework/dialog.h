// A dialog from a template of the program's resources, whose messages go to a C++ object:
// modal (DoModal) or modeless with the program's own modal loop (Create, RunModalLoop). Every
// dialog paints itself in the shared dialog colours, and draws its bitmap push buttons.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "framework/bitmap_button.h"
#include "framework/win32.h"

namespace blenker {

// A dialog hands its static controls' WM_CTLCOLORSTATIC to the control first, as this message
// with the same parameters; a control that answers with a brush decides its own colours.
inline constexpr UINT WM_REFLECTED_CTLCOLORSTATIC = WM_USER + 0x1C00 + WM_CTLCOLORSTATIC;

class Dialog {
  public:
    Dialog(int templateId, HWND parent) : m_templateId(templateId), m_parent(parent) {}
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;
    virtual ~Dialog();

    // Runs the dialog modally; returns the code it ended with, -1 when it could not be created.
    INT_PTR DoModal();

    // Creates the dialog modeless and not yet shown; false on failure.
    bool Create();
    // Runs a modal loop on the modeless dialog until it ends; shows it when the loop first has
    // nothing to do, unless showOnIdle is false. Returns the code the dialog ended with.
    INT_PTR RunModalLoop(bool showOnIdle);

    // Ends the dialog (either kind) with this code.
    void EndDialog(INT_PTR code);

    HWND Hwnd() const { return m_hwnd; }
    HWND Item(int id) const { return ::GetDlgItem(m_hwnd, id); }
    std::string ItemText(int id) const;
    void SetItemText(int id, const std::string& text) const;

  protected:
    // Called once the controls exist. The default returns TRUE (focus to the first control).
    virtual BOOL OnInitDialog() { return TRUE; }
    // WM_COMMAND from a control, a menu or an accelerator. The default ends the dialog on
    // IDOK and IDCANCEL (the Enter and Esc keys, the close box).
    virtual void OnCommand(int id, int notifyCode, HWND control);
    // Any other message; return a value to handle it, nothing for the default handling.
    virtual std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // Draws this owner-drawn button with its bitmaps from now on.
    void AddBitmapButton(BitmapButton& button) { m_bitmapButtons[button.Id()] = &button; }

    // Centres the window over its owner when that is shown, otherwise on the screen. Done for
    // every dialog that its initialisation did not place itself.
    void CenterWindow() const;

    // For the drag-by-body rule: the hit test with the client area turned into the caption.
    LRESULT HitTestAsCaption(LPARAM lParam) const;

  private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    std::optional<LRESULT> Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    int m_templateId;
    HWND m_parent;
    HWND m_hwnd = nullptr;
    bool m_modeless = false;
    bool m_inLoop = false;
    INT_PTR m_result = 0;
    std::map<int, BitmapButton*> m_bitmapButtons;
};

}  // namespace blenker
