// The program's icon in the notification area and its popup menu. The owner window hands its
// messages to this object first: the shell's notifications, the presses on the icon (which come
// back to the owner as posted messages, so the shell is answered at once), the menu's
// owner-draw requests and the restarted shell's "TaskbarCreated", which brings the icon back
// with its tip; the menu's choice reaches the owner as WM_COMMAND.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "framework/win32.h"
#include "mainwnd/tray_menu.h"
#include "mainwnd/tray_notice.h"
#include "mainwnd/tray_presence.h"

#include <shellapi.h>

namespace blenker {

class VWinApp;
class CSkinMenu;

// The shell's Shell_NotifyIconA, or a stand-in that sees what the icon is given.
using NotifyIconFn = BOOL(WINAPI*)(DWORD message, NOTIFYICONDATAA* data);

class CTrayIcon {
  public:
    // The menu's texts and colours come from the application's language and settings, its
    // items from the state that menuState tells when the menu opens.
    CTrayIcon(VWinApp& app, std::function<TrayMenuState()> menuState);
    CTrayIcon(const CTrayIcon&) = delete;
    CTrayIcon& operator=(const CTrayIcon&) = delete;

    // The window that owns the icon and receives its messages, and the picture it shows (owned
    // by that window); from now on the shell's restarts are heard.
    void Attach(HWND owner, HICON icon);

    // Where Set sends the icon's data (the shell unless a test says otherwise).
    void SetNotifier(NotifyIconFn notify) { m_notify = notify; }

    // Adds the icon, deletes it or changes its tip (cut to 63 characters).
    void Set(TrayAction action, const std::string& tip);

    // The owner's messages: the icon's, as ReactToTray decides them, and the open menu's
    // WM_MEASUREITEM and WM_DRAWITEM, and the shell's restart. Nothing when the message is not
    // the icon's.
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    void Notify(TrayAction action, const std::string& tip) const;
    void TrackMenu();
    bool MeasureItem(MEASUREITEMSTRUCT& item) const;
    bool DrawItem(const DRAWITEMSTRUCT& item) const;

    VWinApp& m_app;
    std::function<TrayMenuState()> m_menuState;
    HWND m_owner = nullptr;
    HICON m_icon = nullptr;
    const CSkinMenu* m_trackedMenu = nullptr;  // the menu while it is open
    NotifyIconFn m_notify = &::Shell_NotifyIconA;
    TrayPresence m_presence;
    UINT m_shellRestarted = 0;  // the registered "TaskbarCreated"; 0 until attached
};

}  // namespace blenker
