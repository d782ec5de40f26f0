// The main window's skin: the outline without caption and frame with rounded corners, its
// icons, the title banner, the painting, and the state lamp at the top right ("On" or "Off"
// picture) that shows at a glance whether scanning runs. All of it is drawn for the window's
// DPI: the outline's corners, the lamp's place and size and the pictures scale with it. The
// main window moves by its body through the dialog's hit-test rule.
#pragma once

#include <array>

#include "framework/static_picture.h"
#include "framework/unique_handle.h"
#include "framework/win32.h"
#include "ui/picture.h"

namespace blenker {

class Dialog;

class CMainSkin {
  public:
    // The notification area's icon is loaded now.
    explicit CMainSkin(const Dialog& window);
    CMainSkin(const CMainSkin&) = delete;
    CMainSkin& operator=(const CMainSkin&) = delete;

    // At the start of the window's initialisation, and again once its DPI changed and the
    // window has its new size: its outline, icons, banner and the two lamp pictures.
    void Init();
    // WM_PAINT: the body, or the application icon while minimised; then the lamp.
    void Paint(bool scanning) const;
    void DrawLamp(bool scanning) const;
    // The application icon (WM_QUERYDRAGICON).
    HICON Icon() const { return m_icon.Get(); }
    // The notification area's icon, in the system's small-icon size.
    HICON TrayIcon() const { return m_trayIcon.Get(); }

  private:
    void SetOutline() const;
    HWND Hwnd() const;
    int Dpi() const;

    const Dialog& m_window;
    UniqueIcon m_trayIcon;
    UniqueIcon m_icon;
    UniqueIcon m_smallIcon;
    std::array<CPicture, 2> m_lamp;  // "On", "Off"
    int m_lampPercent = 0;           // the art the lamp pictures were loaded for
    StaticPicture m_banner;
};

}  // namespace blenker
