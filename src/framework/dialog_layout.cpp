#include "framework/dialog_layout.h"

#include <string>
#include <utility>

#include "framework/dialog_template.h"
#include "framework/dpi_scale.h"
#include "framework/window.h"

namespace blenker {

namespace {

Size BaseUnits(HWND dialog) {
    RECT units{0, 0, 4, 8};
    ::MapDialogRect(dialog, &units);
    return {units.right, units.bottom};
}

bool SizedByPicture(HWND control) {
    const LONG type = ::GetWindowLongW(control, GWL_STYLE) & SS_TYPEMASK;
    return IsOfClass(control, L"Static") && (type == SS_ICON || type == SS_BITMAP);
}

BOOL CALLBACK CollectChild(HWND child, LPARAM data) {
    reinterpret_cast<std::vector<HWND>*>(data)->push_back(child);
    return TRUE;
}

}  // namespace

void DialogLayout::Capture(HWND window, int dpi) {
    m_window = window;
    m_madeDpi = dpi;
    const Size base = BaseUnits(window);
    RECT client{};
    ::GetClientRect(window, &client);
    const Rect design = DesignRect(ToRect(client), base);
    m_client = {design.Width(), design.Height()};
    std::vector<HWND> children;
    ::EnumChildWindows(window, &CollectChild, reinterpret_cast<LPARAM>(&children));
    m_items.clear();
    for (const HWND child : children) {
        if (::GetParent(child) == window) {
            m_items.push_back({child, DesignRect(ToRect(WindowRectIn(child, window)), base),
                               SizedByPicture(child)});
        }
    }
}

HFONT DialogLayout::Font() const {
    return m_font ? m_font.Get() : GetFont(m_window);
}

void DialogLayout::Apply(int dpi, bool keepWindowSize) {
    if (m_window == nullptr) {
        return;
    }
    if (!keepWindowSize) {
        // The frame stays as the system draws it; only the client area changes.
        RECT window{};
        RECT client{};
        ::GetWindowRect(m_window, &window);
        ::GetClientRect(m_window, &client);
        const Size wanted = ScaleToDpi(m_client, dpi);
        ::SetWindowPos(m_window, nullptr, 0, 0,
                       window.right - window.left + wanted.width - client.right,
                       window.bottom - window.top + wanted.height - client.bottom,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // The font the controls had stays alive until they all have the new one.
    const UniqueFont previous = std::move(m_font);
    HFONT font = GetFont(m_window);
    if (dpi != m_madeDpi) {
        // The same point size at the new DPI, in the face the dialogs have there.
        LOGFONTW look{};
        ::GetObjectW(font, sizeof look, &look);
        look.lfHeight = ::MulDiv(look.lfHeight, dpi, m_madeDpi);
        if (const auto face = DialogFaceForDpi(dpi)) {
            const std::wstring name(face->begin(), face->end());
            ::lstrcpynW(look.lfFaceName, name.c_str(), LF_FACESIZE);
            look.lfCharSet = DEFAULT_CHARSET;
        }
        m_font.Reset(::CreateFontIndirectW(&look));
        font = m_font ? m_font.Get() : font;
    }
    for (const Item& item : m_items) {
        const Rect at = ScaleToDpi(item.design, dpi);
        ::SetWindowPos(item.window, nullptr, at.left, at.top, at.Width(), at.Height(),
                       SWP_NOZORDER | SWP_NOACTIVATE | (item.sizedByPicture ? SWP_NOSIZE : 0));
        SetFont(item.window, font, false);
    }
}

}  // namespace blenker
