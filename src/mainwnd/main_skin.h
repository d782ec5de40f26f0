// The main window's skin: the outline without caption and frame with rounded corners, its
// icons, the painting, and the state lamp at the top right ("On" or "Off" picture) that shows at a
// glance whether scanning runs. The main window moves by its body through the dialog's hit-test
// rule.
#pragma once

#include <array>

#include "framework/unique_handle.h"
#include "framework/win32.h"
#include "ui/picture.h"

namespace blenker {

class Dialog;

class CMainSkin {
  public:
    // The icons are loaded now.
    explicit CMainSkin(const Dialog& window);
    CMainSkin(const CMainSkin&) = delete;
    CMainSkin& operator=(const CMainSkin&) = delete;

    // At the start of the window's initialisation: its outline, its icons and the two lamp
    // pictures.
    void Init();
    // WM_PAINT: the body, or the application icon while minimised; then the lamp.
    void Paint(bool scanning) const;
    void DrawLamp(bool scanning) const;
    // The application icon (WM_QUERYDRAGICON), and the small one, which the notification area
    // shows too.
    HICON Icon() const { return m_icon.Get(); }
    HICON SmallIcon() const { return m_smallIcon.Get(); }

  private:
    void SetOutline() const;
    HWND Hwnd() const;

    const Dialog& m_window;
    UniqueIcon m_icon;
    UniqueIcon m_smallIcon;
    std::array<CPicture, 2> m_lamp;  // "On", "Off"
};

}  // namespace blenker
