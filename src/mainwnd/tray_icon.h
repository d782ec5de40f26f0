// The program's icon in the notification area, its tip and its popup menu. The owner window
// hands its messages to this object first: the shell's notifications for the icon (answered at
// once by a message the owner posts itself), the presses that come back that way, and a
// restarted shell's "TaskbarCreated", which brings the icon back with its tip unless it was taken
// out. The menu belongs to a hidden window of this object, which draws its items. The menu's
// choice and a left press reach the owner as WM_COMMAND.
#pragma once

#include <optional>
#include <string>

#include "framework/win32.h"
#include "framework/window.h"
#include "mainwnd/tray_menu.h"

#include <shellapi.h>

namespace blenker {

class CSkinMenu;
class Dialog;
class VWinApp;

// The shell's Shell_NotifyIconW, or a stand-in that sees what the icon is given.
using NotifyIconFn = BOOL(WINAPI*)(DWORD message, NOTIFYICONDATAW* data);

// What SetTrayIcon does to the icon.
enum class TrayAction {
    Add,
    Delete,
    ChangeTip,
};

class CTrayIcon {
  public:
    // The icon of the owner window shows "icon" (owned by the window). The menu's texts and
    // colours come from the application's language and settings; the icon's data goes to
    // "notify" (the shell unless a test says otherwise).
    CTrayIcon(const Dialog& owner, HICON icon, VWinApp& app, NotifyIconFn notify);
    CTrayIcon(const CTrayIcon&) = delete;
    CTrayIcon& operator=(const CTrayIcon&) = delete;

    // Adds the icon, deletes it or changes its tip (cut to 63 characters).
    void Set(TrayAction action, const std::string& tip);

    // The owner's messages: the icon's and the shell's restart; "menu" is what the menu shows
    // should it open now. Nothing when the message is not the icon's.
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                     TrayMenuState menu);

  private:
    // The open menu's owner: a window that is never shown. A menu closes when its owner, the
    // foreground window, loses the keyboard focus; the shown main window may be told late, after
    // it was made the foreground window again, that the press on the icon took the focus from it
    // (Wine does so), and the menu would close as it opens. A hidden window never has the focus
    // of a shown one to lose.
    class MenuOwner : public Window {
      public:
        const CSkinMenu* m_trackedMenu = nullptr;  // the menu while it is open

      protected:
        // The open menu's WM_MEASUREITEM and WM_DRAWITEM.
        LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    };

    void Notify(DWORD message) const;
    void TrackMenu(TrayMenuState state);
    HWND Owner() const;

    const Dialog& m_owner;
    HICON m_icon;
    VWinApp& m_app;
    NotifyIconFn m_notify;
    const UINT m_shellRestarted;  // the registered "TaskbarCreated"
    // Whether the icon belongs in the notification area (added and not deleted since), and its
    // tip, as the shell was last told: a restarted shell knows no icon of anyone.
    bool m_wanted = false;
    std::wstring m_tip;     // as the shell gets it: at most kTipLength units
    MenuOwner m_menuOwner;  // made at the first right-click
};

}  // namespace blenker
