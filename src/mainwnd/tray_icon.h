// The program's icon in the notification area and its popup menu. The owner window hands the
// shell's notifications and the menu's owner-draw requests to this object; the presses on the
// icon come back to the owner as posted messages, the menu's choice as WM_COMMAND.
#pragma once

#include <string>

#include "framework/win32.h"

#include <shellapi.h>

namespace blenker {

class VWinApp;
class CSkinMenu;

// The notification icon's messages and commands.
inline constexpr UINT WM_TRAY_NOTIFY = 5001;   // the icon's callback; lParam: the mouse message
inline constexpr UINT WM_TRAY_LBUTTON = 5002;  // a left press on the icon
inline constexpr UINT WM_TRAY_RBUTTON = 5003;  // a right press on the icon
inline constexpr UINT WM_TRAY_OTHER = 5004;    // any other mouse message on the icon
inline constexpr int WM_BLENK_RESTORE = 1027;  // command: show the window
inline constexpr int ID_TRAY_ENABLED = 1025;   // command: switch scanning
inline constexpr int ID_TRAY_MINIMIZE = 1026;  // command: hide the window
inline constexpr UINT kTrayIconId = 102;

// The shell's Shell_NotifyIconA, or a stand-in that sees what the icon is given.
using NotifyIconFn = BOOL(WINAPI*)(DWORD message, NOTIFYICONDATAA* data);

class CTrayIcon {
  public:
    // The menu's texts and colours come from the application's language and settings.
    explicit CTrayIcon(VWinApp& app) : m_app(app) {}
    CTrayIcon(const CTrayIcon&) = delete;
    CTrayIcon& operator=(const CTrayIcon&) = delete;

    // The window that owns the icon and receives its messages, and the picture it shows (owned
    // by that window).
    void Attach(HWND owner, HICON icon);

    // Where Set sends the icon's data (the shell unless a test says otherwise).
    void SetNotifier(NotifyIconFn notify) { m_notify = notify; }

    // 1 adds the icon, 2 deletes it, any other action changes its tip (cut to 63 characters).
    void Set(int action, const std::string& tip) const;

    // The shell's WM_TRAY_NOTIFY, answered at once: the work runs from the owner's loop, as a
    // posted WM_TRAY_LBUTTON, WM_TRAY_RBUTTON or WM_TRAY_OTHER with the same parameters.
    void OnNotify(WPARAM wParam, LPARAM lParam) const;

    // Shows the menu at the cursor until it closes: Enabled (checked while scanning), then Open
    // while the window is hidden or Minimize while it shows, then Exit.
    void TrackMenu(bool hidden, bool scanning);

    // The open menu's WM_MEASUREITEM and WM_DRAWITEM; false when the request is not for it.
    bool MeasureItem(MEASUREITEMSTRUCT& item) const;
    bool DrawItem(const DRAWITEMSTRUCT& item) const;

  private:
    VWinApp& m_app;
    HWND m_owner = nullptr;
    HICON m_icon = nullptr;
    const CSkinMenu* m_trackedMenu = nullptr;  // the menu while it is open
    NotifyIconFn m_notify = &::Shell_NotifyIconA;
};

}  // namespace blenker
