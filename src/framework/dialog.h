// A dialog from a template of the program's resources, whose messages go to a C++ object:
// modal (DoModal) or modeless with the program's own modal loop (Create, RunModalLoop). Every
// dialog paints itself in the shared dialog colours, and hands its control objects (bitmap push
// buttons and the like) their drawing and their clicks.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "framework/controls.h"
#include "framework/dialog_control.h"
#include "framework/dialog_layout.h"
#include "framework/dpi_scale.h"
#include "framework/unique_handle.h"
#include "framework/win32.h"

namespace blenker {

// A dialog hands its static controls' WM_CTLCOLORSTATIC to the control first, as this message
// with the same parameters; a control that answers with a brush decides its own colours.
inline constexpr UINT WM_REFLECTED_CTLCOLORSTATIC = WM_USER + 0x1C00 + WM_CTLCOLORSTATIC;

// The dialog template of the program's resources with this id, as a window shown at this DPI
// is made from it: in the template's own font at 96 DPI, otherwise in the TrueType face that
// grows sharp (framework/dialog_template.h). Empty when there is no such template.
std::vector<std::uint8_t> DialogTemplateFor(int templateId, int dpi);

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

    HWND Hwnd() const { return m_window.Get(); }
    // The DPI the dialog is shown at: its monitor's when it was made, then what WM_DPICHANGED
    // said.
    int Dpi() const { return m_dpi; }
    int TemplateId() const { return m_templateId; }
    HWND Item(int id) const { return ::GetDlgItem(Hwnd(), id); }
    std::string ItemText(int id) const;
    void SetItemText(int id, const std::string& text) const;
    ListBox List(int id) const { return ListBox(Item(id)); }

    // Check boxes and radio buttons of the dialog.
    bool IsItemChecked(int id) const { return ::IsDlgButtonChecked(Hwnd(), id) == BST_CHECKED; }
    void CheckItem(int id, bool checked) const {
        ::CheckDlgButton(Hwnd(), id, checked ? BST_CHECKED : BST_UNCHECKED);
    }
    // Checks the radio button `id` of the group first..last and clears the others.
    void CheckRadio(int first, int last, int id) const {
        ::CheckRadioButton(Hwnd(), first, last, id);
    }

  protected:
    // Called once the controls exist. The default returns TRUE (focus to the first control).
    virtual BOOL OnInitDialog() { return TRUE; }
    // WM_COMMAND from a control, a menu or an accelerator, unless a control object took it. The
    // default ends the dialog on IDOK and IDCANCEL (the Enter and Esc keys, the close box).
    virtual void OnCommand(int id, int notifyCode, HWND control);
    // WM_NOTIFY from a control; return a value to handle it, nothing for OnMessage.
    virtual std::optional<LRESULT> OnNotify(const NMHDR&) { return std::nullopt; }
    // Any other message; return a value to handle it, nothing for the default handling.
    virtual std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // Hands this control object its window at initialisation, and its drawing and clicks from
    // then on. Added before the dialog is created.
    void AddControl(DialogControl& control) { m_controls[control.Id()] = &control; }

    // The window the dialog is made for, when it is known only after construction.
    void SetParentWindow(HWND parent) { m_parent = parent; }

    // WM_DPICHANGED, once Dpi() is the new one: the default takes the system's suggested window
    // rectangle.
    virtual void OnDpiChanged(const RECT& suggested);
    // Places the controls (and the client area, unless keepWindowSize) as the 96-DPI design
    // scaled to Dpi(), in the font of that DPI: done as the dialog is made at another DPI than
    // 96; a dialog that lays itself out on a change of DPI calls it again.
    void LayOutForDpi(bool keepWindowSize) { m_layout.Apply(m_dpi, keepWindowSize); }
    // The font the controls have from that layout.
    HFONT LayoutFont() const { return m_layout.Font(); }

    // Centres the window over its owner when that is shown, otherwise on the screen.
    void CenterWindow() const;
    // Places the window once its initialisation is done, unless that placed it itself. The
    // default centres it (CenterWindow).
    virtual void PlaceWindow() const { CenterWindow(); }

    // For the drag-by-body rule: the hit test with the client area turned into the caption,
    // except over the control `except`, which keeps its own button-down.
    LRESULT HitTestAsCaption(LPARAM lParam, HWND except = nullptr) const;

    // The dialog procedure of every dialog of the program; WM_INITDIALOG carries the object.
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  private:
    std::optional<LRESULT> Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnInitDialogMessage();
    void OnCommandMessage(int id, int code, HWND control);
    // A page paints its own background; false for a dialog of its own.
    bool EraseAsPage(HDC dc) const;
    // The dialog colours, unless the control or OnMessage decides its own.
    std::optional<LRESULT> OnColorMessage(UINT message, WPARAM wParam, LPARAM lParam);
    DialogControl* Control(int id) const;

    int m_templateId;
    HWND m_parent;
    UniqueWindow m_window;
    bool m_modeless = false;
    bool m_inLoop = false;
    INT_PTR m_result = 0;
    int m_dpi = kDesignDpi;
    DialogLayout m_layout;
    std::map<int, DialogControl*> m_controls;
};

}  // namespace blenker
