#include "app/language_dlg.h"

#include "app/win_app.h"
#include "resource.h"

namespace blenker {

CLanguageDlg::CLanguageDlg(HWND parent) : Dialog(IDD_LANGUAGE, parent) {}

BOOL CLanguageDlg::OnInitDialog() {
    CheckRadio(IDC_ENGLISH, IDC_FRENCH, IDC_ENGLISH);
    m_switches[0].Show(Item(IDC_LANGUAGE_PICTURE_LEFT), IDB_LANGUAGE_UP, Dpi());
    m_switches[1].Show(Item(IDC_LANGUAGE_PICTURE_RIGHT), IDB_LANGUAGE_UP, Dpi());
    return TRUE;
}

std::optional<LRESULT> CLanguageDlg::OnMessage(UINT message, WPARAM, LPARAM) {
    // OK, Esc and the close box all end here: the radio choice applies whichever it was.
    if (message == WM_DESTROY && IsItemChecked(IDC_FRENCH)) {
        TheApp().ToggleLanguage();
    }
    return std::nullopt;
}

}  // namespace blenker
