// The main window's skin: the outline without caption and frame with rounded corners, its
// icons, the painting, and the state lamp at the top right ("On" or "Off" picture) that shows at a
// glance whether scanning runs. The main window moves by its body through the dialog's hit-test
// rule.
#pragma once

#include <array>
#include <optional>

#include "framework/unique_handle.h"
#include "framework/win32.h"
#include "ui/picture.h"

namespace blenker {

class CMainSkin {
  public:
    // At the start of the window's initialisation: its outline, its icons and the two lamp
    // pictures.
    void Init(HWND window);
    // The window's WM_PAINT (the body, or the application icon while minimised; then the lamp)
    // and WM_QUERYDRAGICON; nothing for any other message.
    std::optional<LRESULT> OnMessage(UINT message, bool scanning) const;
    void DrawLamp(bool scanning) const;
    // The small application icon, which the notification area shows too.
    HICON SmallIcon() const { return m_smallIcon.Get(); }

  private:
    void SetOutline() const;
    void Paint(bool scanning) const;

    HWND m_window = nullptr;
    UniqueIcon m_icon;
    UniqueIcon m_smallIcon;
    std::array<CPicture, 2> m_lamp;  // "On", "Off"
};

}  // namespace blenker
