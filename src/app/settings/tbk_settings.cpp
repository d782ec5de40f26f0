#include "app/settings/tbk_settings.h"

#include <commctrl.h>

#include <string>

#include "app/win_app.h"
#include "framework/dialog_colors.h"
#include "framework/gdi.h"
#include "resource.h"

namespace blenker {

CTBKSettings::CTBKSettings(HWND parent, MainWindow& mainWindow, ProfileStore& store, int startPage)
    : CResizeablePropertySheet(parent, startPage),
      m_main(mainWindow),
      m_store(store),
      m_about(*this),
      m_misc(*this),
      m_startup(*this),
      m_title(*this) {
    AddPage(m_about);
    AddPage(m_misc);
    AddPage(m_startup);
    AddPage(m_title);
}

std::array<SettingBinding, 12> CTBKSettings::Bindings() {
    return {{
        {Setting::ColorText, &m_misc.m_btnTextColor.m_crColor},
        {Setting::ColorBg, &m_misc.m_btnBgColor.m_crColor},
        {Setting::SoundOn, &m_misc.m_bSoundOn},
        {Setting::SoundFile, &m_misc.m_strSoundFile},
        {Setting::RemoveAppName, &m_title.m_bRemoveAppName},
        {Setting::SmartBlenk, &m_title.m_bSmartBlenk},
        {Setting::Strict, &m_title.m_bStrict},
        {Setting::NeedBrowser, &m_title.m_bNeedBrowser},
        {Setting::CaseSensitive, &m_title.m_bCaseSensitive},
        {Setting::MinimizeAtStartup, &m_startup.m_bMinimizeAtStartup},
        {Setting::UpdateExe, &m_startup.m_bUpdateExe},
        {Setting::InitialState, &m_startup.m_nInitialState},
    }};
}

INT_PTR CTBKSettings::DoModal() {
    const INT_PTR result = CResizeablePropertySheet::DoModal();
    // The sheet's window is gone: OK saves what the pages hold, any other end undoes the
    // colours the Misc page may have shown.
    if (m_bAccepted) {
        const auto bindings = Bindings();
        WriteBound(m_store, bindings);
    } else {
        SetDialogColors(static_cast<COLORREF>(ReadInt(m_store, Setting::ColorBg)),
                        static_cast<COLORREF>(ReadInt(m_store, Setting::ColorText)));
    }
    return result;
}

void CTBKSettings::OnInitDialog() {
    CResizeablePropertySheet::OnInitDialog();
    m_bAccepted = FALSE;
    SetTexts();
    // Pages made later show these values when they are first displayed.
    const auto bindings = Bindings();
    ReadBound(m_store, bindings);
}

void CTBKSettings::SetTexts() {
    const VWinApp& app = TheApp();
    ::SetWindowTextA(Hwnd(), app.LoadLangString(IDS_SETTINGS_CAPTION).c_str());
    const int titles[] = {IDS_TAB_ABOUT, IDS_TAB_MISC, IDS_TAB_STARTUP, IDS_TAB_TITLES};
    for (int tab = 0; tab < 4; ++tab) {
        std::string text = app.LoadLangString(titles[tab]);
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = text.data();
        ::SendMessageA(TabControl(), TCM_SETITEMA, tab, reinterpret_cast<LPARAM>(&item));
    }
}

void CTBKSettings::RefreshLanguage() {
    SetTexts();
    if (m_about.Hwnd() != nullptr) {
        m_about.SetTexts();
    }
    if (m_misc.Hwnd() != nullptr) {
        m_misc.SetTexts();
    }
    if (m_startup.Hwnd() != nullptr) {
        m_startup.SetTexts();
    }
    if (m_title.Hwnd() != nullptr) {
        m_title.SetTexts();
    }
    m_main.UpdateTexts();
}

LRESULT CTBKSettings::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_NCHITTEST: {
            // Dragged by any point of its body that no control covers.
            const LRESULT hit = Default(message, wParam, lParam);
            return hit == HTCLIENT ? HTCAPTION : hit;
        }
        default:
            // No WM_CTLCOLOR... answer of its own: the tab control, OK and Cancel keep the
            // system's colours.
            return CResizeablePropertySheet::OnMessage(message, wParam, lParam);
    }
}

void CTBKSettings::OnPaint() {
    // The Misc page's background colour, which may be a preview not saved yet.
    const PaintDc dc(Hwnd());
    RECT body{};
    ::GetClientRect(Hwnd(), &body);
    const SolidBrush brush(m_misc.m_btnBgColor.m_crColor);
    ::FillRect(dc.Get(), &body, brush.Get());
}

}  // namespace blenker
