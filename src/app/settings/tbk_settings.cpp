#include "app/settings/tbk_settings.h"

#include <commctrl.h>

#include <initializer_list>
#include <iterator>
#include <string>

#include "app/settings/page_tables.h"
#include "app/win_app.h"
#include "framework/dialog_colors.h"
#include "framework/gdi.h"
#include "framework/text.h"
#include "framework/window.h"
#include "resource.h"

namespace blenker {

CTBKSettings::CTBKSettings(HWND parent, MainWindow& mainWindow, ProfileStore& store)
    : CResizeablePropertySheet(parent, 0),
      m_main(mainWindow),
      m_store(store),
      m_values(SettingsValues::Load(store)),
      m_misc(*this),
      m_startup(*this),
      m_title(*this) {
    AddPage(m_about);
    AddPage(m_misc);
    AddPage(m_startup);
    AddPage(m_title);
}

void CTBKSettings::OnEnded(INT_PTR result) {
    // The sheet's window is gone and the pages that existed have handed their controls' values
    // over: OK saves them, any other end undoes the colours the Misc page may have shown.
    if (const auto stored = EndSettings(m_store, m_values, result == IDOK)) {
        SetDialogColors(static_cast<COLORREF>(stored->background),
                        static_cast<COLORREF>(stored->text));
    }
}

void CTBKSettings::OnInitDialog() {
    CResizeablePropertySheet::OnInitDialog();
    SetTexts();
}

void CTBKSettings::SetTexts() {
    const VWinApp& app = TheApp();
    ::SetWindowTextW(Hwnd(), ToUtf16(app.LoadLangString(IDS_SETTINGS_CAPTION)).c_str());
    for (int tab = 0; tab < static_cast<int>(std::size(pages::kTabTitles)); ++tab) {
        std::wstring text = ToUtf16(app.LoadLangString(pages::kTabTitles[tab]));
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text.data();
        ::SendMessageW(TabControl(), TCM_SETITEMW, static_cast<WPARAM>(tab),
                       reinterpret_cast<LPARAM>(&item));
    }
    // The tabs take the widths of their new texts: what longer ones covered is drawn anew (the
    // tab control leaves the strip beside its tabs to the sheet).
    ::RedrawWindow(Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void CTBKSettings::RefreshLanguage() {
    SetTexts();
    for (CResizeablePropertyPage* page :
         std::initializer_list<CResizeablePropertyPage*>{&m_about, &m_misc, &m_startup, &m_title}) {
        if (page->Hwnd() != nullptr) {
            page->SetTexts();
        }
    }
    m_main.UpdateTexts();
}

LRESULT CTBKSettings::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_NCHITTEST:
            // Dragged by any point of its body that no control covers.
            return HitTestAsCaption(Default(message, wParam, lParam), lParam);
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
    const SolidBrush brush(static_cast<COLORREF>(m_values.backgroundColour));
    ::FillRect(dc.Get(), &body, brush.Get());
}

}  // namespace blenker
