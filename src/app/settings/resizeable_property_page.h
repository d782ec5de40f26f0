// The base of the settings pages: it notes the page's own size from its template when the page
// is made, which the sheet fits itself to, and holds the page's tool tip control. The tool tips
// watch their controls' mouse messages themselves, so no message needs relaying.
#pragma once

#include "app/control_texts.h"
#include "app/settings/page_fields.h"
#include "framework/property_page.h"
#include "framework/tool_tip.h"

namespace blenker {

class CResizeablePropertyPage : public PropertyPage, public PageControls {
  public:
    explicit CResizeablePropertyPage(int templateId) : PropertyPage(templateId) {}

    // The page's rectangle in its own client coordinates, as its template made it.
    const RECT& PageRect() const { return m_rectPage; }
    const ToolTip& ToolTips() const { return m_tooltip; }
    // Sets the page's texts in the current language.
    virtual void SetTexts() {}

    // The page's own controls, for the exchange of its fields.
    bool IsChecked(int control) const override { return IsItemChecked(control); }
    void SetChecked(int control, bool checked) override { CheckItem(control, checked); }
    std::string Text(int control) const override { return ItemText(control); }
    void SetText(int control, const std::string& text) override { SetItemText(control, text); }

  protected:
    // Derived pages call this first.
    BOOL OnInitDialog() override;
    void SetLangTexts(std::span<const ControlText> texts) { blenker::SetLangTexts(Hwnd(), texts); }
    void SetToolTips(std::span<const ControlText> tips) {
        blenker::SetToolTips(m_tooltip, Hwnd(), tips);
    }

    // The values into the page's controls (false) or back (true).
    void ExchangeFields(const PageFields& fields, SettingsValues& values, bool fromControls) {
        fromControls ? TakeFields(fields, values, *this) : ShowFields(fields, values, *this);
    }

    RECT m_rectPage{};
    ToolTip m_tooltip;
};

}  // namespace blenker
