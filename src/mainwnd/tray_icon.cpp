#include "mainwnd/tray_icon.h"

#include <utility>

#include "app/win_app.h"
#include "store/settings.h"
#include "ui/skin_menu.h"

namespace blenker {

static_assert(kTrayExitCommand == IDOK && kCommandMessage == WM_COMMAND);
static_assert(kLeftButtonDown == WM_LBUTTONDOWN && kRightButtonDown == WM_RBUTTONDOWN);

namespace {

DWORD NotifyMessage(TrayAction action) {
    switch (action) {
        case TrayAction::Add:
            return NIM_ADD;
        case TrayAction::Delete:
            return NIM_DELETE;
        case TrayAction::ChangeTip:
            break;
    }
    return NIM_MODIFY;
}

}  // namespace

CTrayIcon::CTrayIcon(VWinApp& app, std::function<TrayMenuState()> menuState)
    : m_app(app), m_menuState(std::move(menuState)) {}

void CTrayIcon::Attach(HWND owner, HICON icon) {
    m_owner = owner;
    m_icon = icon;
    m_shellRestarted = ::RegisterWindowMessageA("TaskbarCreated");
}

void CTrayIcon::Set(TrayAction action, const std::string& tip) {
    m_presence.Told(action, tip);
    Notify(action, tip);
}

void CTrayIcon::Notify(TrayAction action, const std::string& tip) const {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = m_owner;
    data.uID = kTrayIconId;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = WM_TRAY_NOTIFY;
    data.hIcon = m_icon;
    TrayTip(tip).copy(data.szTip, kTrayTipLength);
    m_notify(NotifyMessage(action), &data);
}

std::optional<LRESULT> CTrayIcon::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (const auto reaction = ReactToTray(message, wParam, lParam)) {
        if (reaction->post) {
            ::PostMessageA(m_owner, reaction->post->message, reaction->post->wParam,
                           reaction->post->lParam);
        }
        if (reaction->openMenu) {
            TrackMenu();
        }
        return 0;
    }
    if (message == m_shellRestarted && m_shellRestarted != 0) {
        if (const auto tip = m_presence.AfterShellRestart()) {
            Notify(TrayAction::Add, *tip);
        }
        return 0;
    }
    switch (message) {
        case WM_MEASUREITEM:
            if (MeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) {
                return TRUE;
            }
            return std::nullopt;
        case WM_DRAWITEM:
            if (DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) {
                return TRUE;
            }
            return std::nullopt;
        default:
            return std::nullopt;
    }
}

void CTrayIcon::TrackMenu() {
    CSkinMenu menu;
    ProfileStore& store = m_app.Store();
    const auto background = static_cast<COLORREF>(ReadInt(store, Setting::ColorBg));
    menu.SetColors(static_cast<COLORREF>(ReadInt(store, Setting::ColorText)), RGB(255, 0, 0),
                   background, background);
    if (!menu.CreatePopupMenu()) {
        return;
    }
    const auto items = TrayMenuItems(m_menuState());
    // The item texts must outlive the menu: the items hold pointers to them.
    std::array<std::string, items.size()> texts;
    for (std::size_t i = 0; i < items.size(); ++i) {
        texts[i] = m_app.LoadLangString(items[i].textId);
        const auto command = static_cast<UINT>(items[i].command);
        menu.AppendOwnerDrawnItem(command, texts[i].c_str());
        menu.CheckItem(command, items[i].checked);
    }

    POINT cursor{};
    ::GetCursorPos(&cursor);
    // In the foreground, so that the menu closes when the user clicks elsewhere.
    ::SetForegroundWindow(m_owner);
    // Lets the activation settle first: on some systems a menu opened over a window that was
    // just hidden would otherwise close at once.
    MSG pending;
    ::PeekMessageA(&pending, nullptr, 0, 0, PM_NOREMOVE);
    m_trackedMenu = &menu;
    menu.Track(m_owner, cursor);
    m_trackedMenu = nullptr;
    ::PostMessageA(m_owner, WM_NULL, 0, 0);
}

bool CTrayIcon::MeasureItem(MEASUREITEMSTRUCT& item) const {
    if (item.CtlType != ODT_MENU || m_trackedMenu == nullptr) {
        return false;
    }
    m_trackedMenu->MeasureItem(item, m_owner);
    return true;
}

bool CTrayIcon::DrawItem(const DRAWITEMSTRUCT& item) const {
    if (item.CtlType != ODT_MENU || m_trackedMenu == nullptr) {
        return false;
    }
    m_trackedMenu->DrawItem(item);
    return true;
}

}  // namespace blenker
