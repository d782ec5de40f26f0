// Group boxes drawn by the program: the etched frame and the caption in the colours the dialog
// hands its static controls (WM_CTLCOLORSTATIC). Common Controls 6 draws a group box's caption
// in the visual style's colour, or (classic, under Wine) in the window text colour, whatever the
// dialog asked for: white on the default black body, it would not show.
#pragma once

#include "framework/win32.h"

namespace blenker {

// Draws this group box from now on until it is destroyed.
void DrawGroupBoxInDialogColors(HWND groupBox);

}  // namespace blenker
