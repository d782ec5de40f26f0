// The message box the application shows for its own messages.
#pragma once

#include <string>

#include "framework/win32.h"

namespace blenker {

// Its name as the caption, an exclamation icon and an OK button.
void AppMessageBox(HWND owner, const std::string& text);

}  // namespace blenker
