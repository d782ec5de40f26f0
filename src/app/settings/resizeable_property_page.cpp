#include "app/settings/resizeable_property_page.h"

#include "framework/window.h"
#include "messages.h"

namespace blenker {

BOOL CResizeablePropertyPage::OnInitDialog() {
    m_rectPage = WindowRectIn(Hwnd(), Hwnd());
    return TRUE;
}

std::optional<LRESULT> CResizeablePropertyPage::OnNotify(const NMHDR& header) {
    if (header.code == static_cast<UINT>(PSN_SETACTIVE)) {
        // Posted: the sheet has made this page the active one by the time it fits.
        ::PostMessageW(::GetParent(Hwnd()), WM_FIT_TO_PAGE, 0, 0);
    }
    return PropertyPage::OnNotify(header);
}

void CResizeablePropertyPage::UpdateData(bool fromControls) {
    if (m_values == nullptr) {
        return;
    }
    SettingsValues& values = *m_values;
    const std::span<const int> radios = m_fields.radios.radios;
    if (fromControls) {
        for (const TextField& field : m_fields.texts) {
            values.*field.value = ItemText(field.control);
        }
        for (std::size_t index = 0; index < radios.size(); ++index) {
            if (IsItemChecked(radios[index])) {
                values.*m_fields.radios.value = static_cast<int>(index);
            }
        }
        for (const CheckField& field : m_fields.checks) {
            values.*field.value = IsItemChecked(field.control) ? 1 : 0;
        }
        return;
    }
    for (const TextField& field : m_fields.texts) {
        SetItemText(field.control, values.*field.value);
    }
    for (std::size_t index = 0; index < radios.size(); ++index) {
        CheckItem(radios[index], static_cast<int>(index) == values.*m_fields.radios.value);
    }
    for (const CheckField& field : m_fields.checks) {
        CheckItem(field.control, values.*field.value != 0);
    }
}

}  // namespace blenker
