#include "framework/property_page.h"

namespace blenker {

PropertyPage::PropertyPage(int templateId) : Dialog(templateId, nullptr) {}

PROPSHEETPAGEW PropertyPage::Describe(int dpi) {
    m_template = DialogTemplateFor(TemplateId(), dpi);
    PROPSHEETPAGEW page{};
    page.dwSize = sizeof page;
    page.dwFlags = PSP_DLGINDIRECT;
    page.hInstance = ::GetModuleHandleW(nullptr);
    page.pResource = reinterpret_cast<const DLGTEMPLATE*>(m_template.data());
    page.pfnDlgProc = &PropertyPage::PageProc;
    page.lParam = reinterpret_cast<LPARAM>(this);
    return page;
}

std::optional<LRESULT> PropertyPage::OnNotify(const NMHDR& header) {
    if (header.code == static_cast<UINT>(PSN_APPLY)) {
        OnOK();
        return PSNRET_NOERROR;
    }
    return std::nullopt;
}

INT_PTR CALLBACK PropertyPage::PageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    // The page's WM_INITDIALOG carries the description, whose lParam is the object.
    if (message == WM_INITDIALOG) {
        lParam = reinterpret_cast<const PROPSHEETPAGEW*>(lParam)->lParam;
    }
    return DialogProc(hwnd, message, wParam, lParam);
}

}  // namespace blenker
