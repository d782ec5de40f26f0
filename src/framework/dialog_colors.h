// The background and text colours that every dialog of the program is painted in: the dialog
// surface, static texts, check boxes, radio buttons and group boxes. Edit fields, list boxes
// and scroll bars keep the system colours. One pair for the whole process.
#pragma once

#include "framework/win32.h"

namespace blenker {

// Replaces the colours (and their brush) for all dialogs at once; callers repaint what shows.
void SetDialogColors(COLORREF background, COLORREF text);

// The answer to a WM_CTLCOLOR... request of a dialog: the brush to paint with, or nothing when
// the control keeps the system colours.
HBRUSH DialogColorBrush(UINT message, HDC dc, HWND control);

}  // namespace blenker
