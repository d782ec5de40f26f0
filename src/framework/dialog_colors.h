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

// Check boxes, radio buttons and group boxes of a dialog drawn in the visual style ignore the
// colours a dialog hands them: check boxes and radio buttons keep the classic drawing, which
// takes the dialog colours, and group boxes are drawn by the program (framework/group_box.h).
// Push buttons, edit fields, lists and tabs keep the visual style.
void KeepDialogColorsOnButtons(HWND dialog);

}  // namespace blenker
