#include "app/settings/resizeable_property_page.h"

#include "framework/window.h"

namespace blenker {

BOOL CResizeablePropertyPage::OnInitDialog() {
    m_rectPage = WindowRectIn(Hwnd(), Hwnd());
    return TRUE;
}

}  // namespace blenker
