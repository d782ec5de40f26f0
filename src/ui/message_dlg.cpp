#include "ui/message_dlg.h"

#include "app/win_app.h"
#include "resource.h"

namespace blenker {

CMessageDlg::CMessageDlg(HWND parent)
    : Dialog(IDD_MESSAGE, parent), m_close(IDOK, IDB_CLOSE_UP, IDB_CLOSE_DOWN) {
    AddControl(m_close);
}

BOOL CMessageDlg::OnInitDialog() {
    SetItemText(IDC_MESSAGE_TEXT, m_strMessage);
    const std::string tip = LoadResString(IDS_CLOSE_WINDOW_TIP);
    if (!m_toolTip.Exists()) {
        if (m_toolTip.Create(Hwnd())) {
            m_toolTip.AddTool(Item(IDOK), tip);
        }
    } else {
        m_toolTip.UpdateTipText(Item(IDOK), tip);
    }
    return TRUE;
}

std::optional<LRESULT> CMessageDlg::OnMessage(UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_NCHITTEST) {
        return HitTestAsCaption(lParam);
    }
    return std::nullopt;
}

}  // namespace blenker
