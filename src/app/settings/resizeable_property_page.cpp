#include "app/settings/resizeable_property_page.h"

#include "app/win_app.h"

namespace blenker {

BOOL CResizeablePropertyPage::OnInitDialog() {
    ::GetWindowRect(Hwnd(), &m_rectPage);
    ::MapWindowPoints(nullptr, Hwnd(), reinterpret_cast<POINT*>(&m_rectPage), 2);
    return TRUE;
}

void CResizeablePropertyPage::SetLangTexts(std::span<const ControlText> texts) {
    for (const ControlText& text : texts) {
        SetItemText(text.control, TheApp().LoadLangString(text.text));
    }
}

void CResizeablePropertyPage::SetToolTips(std::span<const ControlText> tips) {
    const bool first = !m_tooltip.Exists();
    if (first && !m_tooltip.Create(Hwnd())) {
        return;
    }
    for (const ControlText& tip : tips) {
        const std::string text = LoadResString(tip.text);
        if (first) {
            m_tooltip.AddTool(Item(tip.control), text);
        } else {
            m_tooltip.UpdateTipText(Item(tip.control), text);
        }
    }
}

}  // namespace blenker
