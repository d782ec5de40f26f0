// The fonts the system draws its menus and its tool tips in, at the DPI of the window that shows
// them. Windows 10 gives them for any DPI; older systems give them for the screen's one DPI, and
// the program scales their size from there.
#pragma once

#include "framework/unique_handle.h"
#include "framework/win32.h"

namespace blenker {

enum class SystemFont {
    Menu,     // the menus' font
    ToolTip,  // the status bars' and tool tips' font
};

// The font's description at this DPI.
LOGFONTW SystemFontForDpi(SystemFont font, int dpi);
// The font itself, made from that description; null when the system could not make it.
UniqueFont CreateSystemFont(SystemFont font, int dpi);

}  // namespace blenker
