#include "ui/message_dlg.h"

#include "app/control_texts.h"
#include "resource.h"

namespace blenker {

CMessageDlg::CMessageDlg(HWND parent)
    : Dialog(IDD_MESSAGE, parent), m_close(IDOK, IDB_CLOSE_UP, IDB_CLOSE_DOWN) {
    AddControl(m_close);
}

BOOL CMessageDlg::OnInitDialog() {
    SetItemText(IDC_MESSAGE_TEXT, m_strMessage);
    constexpr ControlText kTips[] = {{IDOK, IDS_CLOSE_WINDOW_TIP}};
    SetToolTips(m_toolTip, Hwnd(), kTips);
    return TRUE;
}

std::optional<LRESULT> CMessageDlg::OnMessage(UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_NCHITTEST) {
        return HitTestAsCaption(lParam);
    }
    return std::nullopt;
}

void CMessageDlg::OnDpiChanged(const RECT& suggested) {
    Dialog::OnDpiChanged(suggested);
    m_toolTip.SetDpi(Dpi());
}

}  // namespace blenker
