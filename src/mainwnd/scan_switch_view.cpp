#include "mainwnd/scan_switch_view.h"

#include "framework/controls.h"
#include "resource.h"

namespace blenker {

static_assert(kButtonClicked == BN_CLICKED);

void CScanSwitchView::Attach(Dialog& dialog) {
    m_dialog = &dialog;
    // The delay field is narrow: no margins, so that "10.0" fits.
    SetEditMargins(dialog.Item(IDC_DELAY), 0, 0);
}

bool CScanSwitchView::EnableChecked() const {
    return m_dialog->IsItemChecked(IDC_ENABLE);
}

void CScanSwitchView::CheckEnable(bool checked) {
    m_dialog->CheckItem(IDC_ENABLE, checked);
}

std::string CScanSwitchView::DelayText() const {
    return m_dialog->ItemText(IDC_DELAY);
}

void CScanSwitchView::SetDelayText(const std::string& text) {
    m_dialog->SetItemText(IDC_DELAY, text);
}

}  // namespace blenker
