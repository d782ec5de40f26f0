// The base of the settings pages: it notes the page's own size from its template when the page
// is made, which the sheet fits itself to, and holds the page's tool tip control. The tool tips
// watch their controls' mouse messages themselves, so no message needs relaying.
#pragma once

#include "app/control_texts.h"
#include "app/settings/page_fields.h"
#include "framework/property_page.h"
#include "framework/tool_tip.h"

namespace blenker {

class CResizeablePropertyPage : public PropertyPage {
  public:
    // A page without fields of the sheet's values.
    explicit CResizeablePropertyPage(int templateId) : PropertyPage(templateId) {}
    // A page whose controls show these fields of the sheet's values.
    CResizeablePropertyPage(int templateId, const PageFields& fields, SettingsValues& values)
        : PropertyPage(templateId), m_fields(fields), m_values(&values) {}

    // The page's rectangle in its own client coordinates, as its template made it.
    const RECT& PageRect() const { return m_rectPage; }
    const ToolTip& ToolTips() const { return m_tooltip; }
    // Sets the page's texts in the current language.
    virtual void SetTexts() {}

    // The sheet's values into the page's controls (false) or back (true). A stored value that
    // none of a group's radio buttons shows stays as it was.
    void UpdateData(bool fromControls);

  protected:
    // Derived pages call this first.
    BOOL OnInitDialog() override;
    // Shown (PSN_SETACTIVE): asks the sheet to fit itself to the page.
    std::optional<LRESULT> OnNotify(const NMHDR& header) override;
    void SetLangTexts(std::span<const ControlText> texts) { blenker::SetLangTexts(Hwnd(), texts); }
    void SetToolTips(std::span<const ControlText> tips) {
        blenker::SetToolTips(m_tooltip, Hwnd(), tips);
    }

    RECT m_rectPage{};
    ToolTip m_tooltip;

  private:
    PageFields m_fields;
    SettingsValues* m_values = nullptr;
};

}  // namespace blenker
