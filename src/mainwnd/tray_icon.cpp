#include "mainwnd/tray_icon.h"

#include <array>

#include "app/win_app.h"
#include "framework/dialog.h"
#include "framework/dpi.h"
#include "framework/text.h"
#include "messages.h"
#include "resource.h"
#include "store/settings.h"
#include "ui/skin_menu.h"

namespace blenker {

namespace {

// The longest tip the shell shows (its buffer holds 64 characters with the end).
constexpr std::size_t kTipLength = 63;

// The owner's command of each menu item.
UINT CommandId(TrayCommand command) {
    switch (command) {
        case TrayCommand::SwitchScan:
            return ID_TRAY_ENABLED;
        case TrayCommand::Minimize:
            return ID_TRAY_MINIMIZE;
        case TrayCommand::Open:
            return WM_BLENK_RESTORE;
        case TrayCommand::Exit:
            break;
    }
    return IDOK;  // the dialog's own way out, its hidden "Exit" button
}

}  // namespace

CTrayIcon::CTrayIcon(const Dialog& owner, HICON icon, VWinApp& app, NotifyIconFn notify)
    : m_owner(owner),
      m_icon(icon),
      m_app(app),
      m_notify(notify),
      m_shellRestarted(::RegisterWindowMessageW(L"TaskbarCreated")) {}

HWND CTrayIcon::Owner() const {
    return m_owner.Hwnd();
}

void CTrayIcon::Set(TrayAction action, const std::string& tip) {
    switch (action) {
        case TrayAction::Add:
            m_wanted = true;
            m_tip = ToUtf16(tip).substr(0, kTipLength);
            Notify(NIM_ADD);
            break;
        case TrayAction::ChangeTip:
            m_tip = ToUtf16(tip).substr(0, kTipLength);
            Notify(NIM_MODIFY);
            break;
        case TrayAction::Delete:
            m_wanted = false;
            Notify(NIM_DELETE);
            break;
    }
}

void CTrayIcon::Notify(DWORD message) const {
    NOTIFYICONDATAW data{};
    data.cbSize = NOTIFYICONDATAW_V1_SIZE;
    data.hWnd = Owner();
    data.uID = kTrayIconId;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = WM_TRAY_NOTIFY;
    data.hIcon = m_icon;
    m_tip.copy(data.szTip, kTipLength);
    m_notify(message, &data);
}

std::optional<LRESULT> CTrayIcon::OnMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                            TrayMenuState menu) {
    switch (message) {
        case WM_TRAY_NOTIFY: {
            // The shell waits for this answer: what the press does comes as a message of its own.
            // A quick second right press comes as a double click, and opens the menu too.
            const bool rightPress = lParam == WM_RBUTTONDOWN || lParam == WM_RBUTTONDBLCLK;
            const UINT press = lParam == WM_LBUTTONDOWN ? WM_TRAY_LBUTTON
                               : rightPress             ? WM_TRAY_RBUTTON
                                                        : WM_TRAY_OTHER;
            ::PostMessageW(Owner(), press, wParam, lParam);
            return 0;
        }
        case WM_TRAY_LBUTTON:  // OnIconTrayLButtonDown: the window shows
            ::PostMessageW(Owner(), WM_COMMAND, WM_BLENK_RESTORE, 0);
            return 0;
        case WM_TRAY_RBUTTON:  // OnIconTrayRButtonDown: the menu opens at the cursor
            TrackMenu(menu);
            return 0;
        default:
            break;
    }
    if (message == m_shellRestarted && m_shellRestarted != 0) {
        if (m_wanted) {
            Notify(NIM_ADD);
        }
        return 0;
    }
    return std::nullopt;
}

void CTrayIcon::TrackMenu(TrayMenuState state) {
    POINT cursor{};
    ::GetCursorPos(&cursor);
    // Drawn for the monitor it opens on, the notification area's.
    CSkinMenu menu(PointDpi(cursor));
    ProfileStore& store = m_app.Store();
    const auto background = static_cast<COLORREF>(ReadInt(store, Setting::ColorBg));
    menu.SetColors(static_cast<COLORREF>(ReadInt(store, Setting::ColorText)), RGB(255, 0, 0),
                   background, background);
    if (!menu.CreatePopupMenu()) {
        return;
    }
    const auto items = TrayMenuItems(state);
    // The item texts must outlive the menu: the items hold pointers to them.
    std::array<std::string, items.size()> texts;
    for (std::size_t i = 0; i < items.size(); ++i) {
        texts[i] = m_app.LoadLangString(items[i].textId);
        const UINT command = CommandId(items[i].command);
        menu.AppendOwnerDrawnItem(command, texts[i].c_str());
        menu.CheckItem(command, items[i].checked);
    }

    if (m_menuOwner.Hwnd() == nullptr &&
        !m_menuOwner.Create("", WS_POPUP, 0, 0, 0, 0, WS_EX_TOOLWINDOW)) {
        return;
    }
    const HWND menuOwner = m_menuOwner.Hwnd();
    // The owner in the foreground, so that the menu closes when the user clicks elsewhere, and
    // a message posted to it afterwards, so that the next menu does not close at once.
    ::SetForegroundWindow(menuOwner);
    m_menuOwner.m_trackedMenu = &menu;
    const UINT command = menu.Track(menuOwner, cursor);
    m_menuOwner.m_trackedMenu = nullptr;
    ::PostMessageW(menuOwner, WM_NULL, 0, 0);
    // The shown main window is the active one again, unless the click that closed the menu
    // chose another window.
    if (::IsWindowVisible(Owner()) && ::GetForegroundWindow() == menuOwner) {
        ::SetForegroundWindow(Owner());
    }
    if (command != 0) {
        ::PostMessageW(Owner(), WM_COMMAND, command, 0);
    }
}

LRESULT CTrayIcon::MenuOwner::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_trackedMenu != nullptr && message == WM_MEASUREITEM) {
        auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (item.CtlType == ODT_MENU) {
            m_trackedMenu->MeasureItem(item, Hwnd());
            return TRUE;
        }
    }
    if (m_trackedMenu != nullptr && message == WM_DRAWITEM) {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item.CtlType == ODT_MENU) {
            m_trackedMenu->DrawItem(item);
            return TRUE;
        }
    }
    return Window::OnMessage(message, wParam, lParam);
}

}  // namespace blenker
