// A dialog laid out for its DPI. The dialog manager lays a template out in units of its font,
// whose pixel size does not grow exactly with the DPI, while the texts of the 96-DPI design
// were fitted to their controls and the pictures are measured in its pixels. So a dialog keeps
// the 96-DPI design of its client area and of every control, found again from the dialog
// manager's layout when it is made, and places them all at the design's positions scaled to
// its DPI, in a font of the template's point size at that DPI.
#pragma once

#include <vector>

#include "framework/geometry.h"
#include "framework/unique_handle.h"
#include "framework/win32.h"

namespace blenker {

class DialogLayout {
  public:
    DialogLayout() = default;
    DialogLayout(const DialogLayout&) = delete;
    DialogLayout& operator=(const DialogLayout&) = delete;

    // As the dialog manager made the window at this DPI: remembers the design.
    void Capture(HWND window, int dpi);
    // Places the client area (unless keepWindowSize: the window's size was decided already)
    // and every control for this DPI; pictures (icon and bitmap statics) keep their own size.
    void Apply(int dpi, bool keepWindowSize);

    // The font the controls were given last.
    HFONT Font() const;

  private:
    struct Item {
        HWND window;
        Rect design;
        bool sizedByPicture;
    };

    HWND m_window = nullptr;
    Size m_client;
    std::vector<Item> m_items;
    int m_madeDpi = 0;
    UniqueFont m_font;  // the font for a DPI other than the one the window was made at
};

}  // namespace blenker
