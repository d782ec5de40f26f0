// The texts of a dialog's controls and their tips, given as string ids: the texts in the user's
// language, the tips always in English.
#pragma once

#include <span>

#include "app/control_text.h"
#include "framework/tool_tip.h"
#include "framework/win32.h"

namespace blenker {

// Sets each control's text in the current language.
void SetLangTexts(HWND dialog, std::span<const ControlText> texts);

// The first call makes the dialog's tool tip control and adds one tool per control; later calls
// set the tips again. A picture button takes its tip as its name, in the current language.
void SetToolTips(ToolTip& toolTip, HWND dialog, std::span<const ControlText> tips);

}  // namespace blenker
