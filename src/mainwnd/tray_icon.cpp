#include "mainwnd/tray_icon.h"

#include "store/settings.h"
#include "app/win_app.h"
#include "resource.h"
#include "ui/skin_menu.h"

namespace blenker {

void CTrayIcon::Attach(HWND owner, HICON icon) {
    m_owner = owner;
    m_icon = icon;
}

void CTrayIcon::Set(int action, const std::string& tip) const {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = m_owner;
    data.uID = kTrayIconId;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = WM_TRAY_NOTIFY;
    data.hIcon = m_icon;
    tip.copy(data.szTip, 63);
    m_notify(action == 1 ? NIM_ADD : action == 2 ? NIM_DELETE : NIM_MODIFY, &data);
}

void CTrayIcon::OnNotify(WPARAM wParam, LPARAM lParam) const {
    ::PostMessageA(m_owner,
                   lParam == WM_LBUTTONDOWN   ? WM_TRAY_LBUTTON
                   : lParam == WM_RBUTTONDOWN ? WM_TRAY_RBUTTON
                                              : WM_TRAY_OTHER,
                   wParam, lParam);
}

void CTrayIcon::TrackMenu(bool hidden, bool scanning) {
    CSkinMenu menu;
    ProfileStore& store = m_app.Store();
    const auto background = static_cast<COLORREF>(ReadInt(store, Setting::ColorBg));
    menu.SetColors(static_cast<COLORREF>(ReadInt(store, Setting::ColorText)), RGB(255, 0, 0),
                   background, background);
    if (!menu.CreatePopupMenu()) {
        return;
    }
    // The item texts must outlive the menu: the items hold pointers to them.
    const std::string enabled = m_app.LoadLangString(IDS_TRAY_ENABLED);
    const std::string open = m_app.LoadLangString(IDS_TRAY_OPEN);
    const std::string minimize = m_app.LoadLangString(IDS_TRAY_MINIMIZE);
    const std::string exit = m_app.LoadLangString(IDS_TRAY_EXIT);
    menu.AppendOwnerDrawnItem(ID_TRAY_ENABLED, enabled.c_str());
    if (hidden) {
        menu.AppendOwnerDrawnItem(WM_BLENK_RESTORE, open.c_str());
    } else {
        menu.AppendOwnerDrawnItem(ID_TRAY_MINIMIZE, minimize.c_str());
    }
    menu.AppendOwnerDrawnItem(IDOK, exit.c_str());
    menu.CheckItem(ID_TRAY_ENABLED, scanning);

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
