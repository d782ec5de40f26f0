#include "ui/skin_menu.h"

#include <string>
#include <utility>

#include "framework/dpi.h"
#include "framework/gdi.h"
#include "framework/system_fonts.h"
#include "framework/text.h"
#include "framework/window.h"

namespace blenker {

namespace {

// The item's text (UTF-8, the item data) as UTF-16, for measuring and drawing.
std::wstring ItemText(ULONG_PTR itemData) {
    const auto* text = reinterpret_cast<const char*>(itemData);
    return text != nullptr ? ToUtf16(text) : std::wstring();
}

}  // namespace

CSkinMenu::CSkinMenu(int dpi)
    : m_colors{::GetSysColor(COLOR_MENUTEXT), ::GetSysColor(COLOR_HIGHLIGHTTEXT),
               ::GetSysColor(COLOR_MENU), ::GetSysColor(COLOR_HIGHLIGHT)},
      m_dpi(dpi),
      m_font(CreateSystemFont(SystemFont::Menu, dpi)) {}

CSkinMenu::~CSkinMenu() {
    if (m_menu != nullptr) {
        ::DestroyMenu(m_menu);
    }
}

void CSkinMenu::SetColors(COLORREF text, COLORREF selectedText, COLORREF background,
                          COLORREF selectedBackground) {
    m_colors = {text, selectedText, background, selectedBackground};
}

bool CSkinMenu::CreatePopupMenu() {
    const HMENU menu = ::CreatePopupMenu();
    if (menu == nullptr) {
        return false;
    }
    if (const HMENU old = std::exchange(m_menu, menu)) {
        ::DestroyMenu(old);
    }
    return true;
}

void CSkinMenu::AppendOwnerDrawnItem(UINT id, const char* text) {
    // With MF_OWNERDRAW the "new item" argument is the item data, handed back in the measure
    // and draw requests.
    ::AppendMenuW(m_menu, MF_OWNERDRAW, id, reinterpret_cast<const wchar_t*>(text));
}

void CSkinMenu::CheckItem(UINT id, bool checked) {
    ::CheckMenuItem(m_menu, id, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void CSkinMenu::MeasureItem(MEASUREITEMSTRUCT& item, HWND window) const {
    // Declared in this order, they go in reverse: font deselected, then the DC released.
    const WindowDc dc(window);
    const SelectedObject selectedFont(dc.Get(), m_font.Get());

    const std::wstring text = ItemText(item.itemData);
    SIZE extent{};
    ::GetTextExtentPoint32W(dc.Get(), text.c_str(), static_cast<int>(text.size()), &extent);
    const Size size = MenuItemSize(extent.cx, extent.cy, m_dpi);
    item.itemWidth = static_cast<UINT>(size.width);
    item.itemHeight = static_cast<UINT>(size.height);
}

void CSkinMenu::DrawItem(const DRAWITEMSTRUCT& item) const {
    const HDC dc = item.hDC;
    const MenuItemLook look = MenuItemLookOf(m_colors, (item.itemState & ODS_SELECTED) != 0,
                                             (item.itemState & ODS_CHECKED) != 0);
    const COLORREF color = look.ink;
    const int checkWidth = SystemMetricForDpi(SM_CXMENUCHECK, m_dpi);
    const int checkHeight = SystemMetricForDpi(SM_CYMENUCHECK, m_dpi);
    {
        const SolidBrush bar(look.bar);
        ::FillRect(dc, &item.rcItem, bar.Get());
    }

    if (look.dot) {
        const RECT dot = ToRECT(CheckDotRect(ToRect(item.rcItem), checkWidth, checkHeight, m_dpi));
        const Pen pen(PS_SOLID, 1, color);
        const SolidBrush brush(color);
        const SelectedObject selectedPen(dc, pen.Get());
        const SelectedObject selectedBrush(dc, brush.Get());
        ::Ellipse(dc, dot.left, dot.top, dot.right, dot.bottom);
    }

    const SelectedObject font(dc, m_font.Get());
    const COLORREF previousColor = ::SetTextColor(dc, color);
    const int previousMode = ::SetBkMode(dc, TRANSPARENT);
    RECT textRect = ToRECT(MenuTextRect(ToRect(item.rcItem), checkWidth, m_dpi));
    ::DrawTextW(dc, ItemText(item.itemData).c_str(), -1, &textRect, 0);
    ::SetBkMode(dc, previousMode);
    ::SetTextColor(dc, previousColor);
}

UINT CSkinMenu::Track(HWND owner, POINT at) const {
    return static_cast<UINT>(
        ::TrackPopupMenu(m_menu, TPM_RIGHTBUTTON | TPM_RETURNCMD, at.x, at.y, 0, owner, nullptr));
}

}  // namespace blenker
