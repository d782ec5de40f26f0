// The main window's skin: the outline without caption and frame with rounded corners, the
// painting, and the state lamp at the top right ("On" or "Off" picture) that shows at a glance
// whether scanning runs. The main window moves by its body through the dialog's hit-test rule.
#pragma once

#include <array>

#include "framework/win32.h"
#include "ui/picture.h"

namespace blenker {

class CMainSkin {
  public:
    // At the start of the window's initialisation: its outline and the two lamp pictures.
    void Init(HWND window);
    // WM_PAINT: the body, or the application icon while minimised; then the lamp.
    void Paint(bool scanning, HICON icon) const;
    void DrawLamp(bool scanning) const;

  private:
    HWND m_window = nullptr;
    std::array<CPicture, 2> m_lamp;  // "On", "Off"
};

}  // namespace blenker
