// The popup menu of the notification-area icon, measured and drawn by the program itself in the
// dialog colours: a flat bar per item, the item text, and a filled dot for a checked item. The
// object owns its popup menu; the owner window hands it the WM_MEASUREITEM and WM_DRAWITEM
// requests of the menu's items (CtlType ODT_MENU) while the menu is tracked. It is measured and
// drawn for one DPI, the one of the window it belongs to: its font is the system's menu font at
// that DPI, its margins and check column are scaled to it.
#pragma once

#include "framework/unique_handle.h"
#include "framework/win32.h"
#include "ui/menu_metrics.h"

namespace blenker {

class CSkinMenu {
  public:
    // Starts with the system's menu colours, for a window shown at this DPI.
    explicit CSkinMenu(int dpi);
    ~CSkinMenu();
    CSkinMenu(const CSkinMenu&) = delete;
    CSkinMenu& operator=(const CSkinMenu&) = delete;

    // Colours of the text and check dot, and of the bar, for normal and selected items.
    void SetColors(COLORREF text, COLORREF selectedText, COLORREF background,
                   COLORREF selectedBackground);

    // Creates the (empty) popup menu, replacing one created before; false on failure.
    bool CreatePopupMenu();
    HMENU Handle() const { return m_menu; }

    // Appends an item that the program draws; the text is the item data and must outlive the
    // menu (the caller owns it); UTF-8. '&' marks the access key.
    void AppendOwnerDrawnItem(UINT id, const char* text);
    void CheckItem(UINT id, bool checked);

    // The size of an item: its text in the system's menu font, measured on the device context
    // of the given window (the application's main window), plus room for the check dot.
    void MeasureItem(MEASUREITEMSTRUCT& item, HWND window) const;
    // Paints one item, its text in the menu font as measured, on the device context of the
    // request; the DC is left as it was found.
    void DrawItem(const DRAWITEMSTRUCT& item) const;

    // Shows the popup at the given screen point, owned by the window, until it closes; returns
    // the chosen item's id, 0 when none was chosen (no WM_COMMAND is sent).
    UINT Track(HWND owner, POINT at) const;

  private:
    HMENU m_menu = nullptr;
    MenuColors m_colors;
    int m_dpi;
    UniqueFont m_font;  // the system's menu font at m_dpi
};

}  // namespace blenker
