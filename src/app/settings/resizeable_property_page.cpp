#include "app/settings/resizeable_property_page.h"

namespace blenker {

BOOL CResizeablePropertyPage::OnInitDialog() {
    ::GetWindowRect(Hwnd(), &m_rectPage);
    ::MapWindowPoints(nullptr, Hwnd(), reinterpret_cast<POINT*>(&m_rectPage), 2);
    return TRUE;
}

}  // namespace blenker
