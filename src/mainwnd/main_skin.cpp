#include "mainwnd/main_skin.h"

#include <commctrl.h>

#include <utility>

#include "framework/dialog.h"
#include "framework/dpi.h"
#include "framework/gdi.h"
#include "framework/unique_handle.h"
#include "framework/window.h"
#include "mainwnd/window_shape.h"
#include "resource.h"

namespace blenker {

namespace {

// The lamp's place and size in the client area at 96 DPI.
constexpr Rect kLamp{169, 2, 169 + 30, 2 + 25};

UniqueRegion Region(const Rect& rect, bool ellipse) {
    return UniqueRegion(ellipse ? ::CreateEllipticRgn(rect.left, rect.top, rect.right, rect.bottom)
                                : ::CreateRectRgn(rect.left, rect.top, rect.right, rect.bottom));
}

UniqueIcon TrayIconOf(int id) {
    HICON icon = nullptr;
    ::LoadIconMetric(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), LIM_SMALL, &icon);
    return UniqueIcon(icon);
}

}  // namespace

CMainSkin::CMainSkin(const Dialog& window) : m_window(window), m_trayIcon(TrayIconOf(IDI_APP)) {}

HWND CMainSkin::Hwnd() const {
    return m_window.Hwnd();
}

int CMainSkin::Dpi() const {
    return m_window.Dpi();
}

void CMainSkin::Init() {
    SetOutline();
    // The icons of the caption and the task switcher, for this DPI; the old ones go once
    // replaced.
    UniqueIcon icon = LoadIconResource(IDI_APP, SystemMetricForDpi(SM_CXICON, Dpi()));
    UniqueIcon smallIcon = LoadIconResource(IDI_APP, SystemMetricForDpi(SM_CXSMICON, Dpi()));
    SetIcons(Hwnd(), icon.Get(), smallIcon.Get());
    m_icon = std::move(icon);
    m_smallIcon = std::move(smallIcon);
    m_banner.Show(m_window.Item(IDC_BANNER), IDB_BANNER, Dpi());
    const int percent = ArtPercent(Dpi());
    if (percent != m_lampPercent) {
        m_lampPercent = percent;
        for (CPicture& picture : m_lamp) {
            picture.SetOwner(Hwnd());
        }
        m_lamp[0].LoadFromResource(ArtResourceId(IDG_LAMP_ON, percent), "GIF");
        m_lamp[1].LoadFromResource(ArtResourceId(IDG_LAMP_OFF, percent), "GIF");
    }
}

void CMainSkin::SetOutline() const {
    const RECT frame = WindowRectIn(Hwnd(), nullptr);
    const WindowShape shape = SkinnedWindowShape(frame.right - frame.left, frame.bottom - frame.top,
                                                 SystemMetricForDpi(SM_CYCAPTION, Dpi()),
                                                 SystemMetricForDpi(SM_CYEDGE, Dpi()), Dpi());
    UniqueRegion outline = Region(shape.body, false);
    for (std::size_t corner = 0; corner < shape.squares.size(); ++corner) {
        const UniqueRegion square = Region(shape.squares[corner], false);
        const UniqueRegion round = Region(shape.ellipses[corner], true);
        ::CombineRgn(outline.Get(), outline.Get(), square.Get(), RGN_DIFF);
        ::CombineRgn(outline.Get(), outline.Get(), round.Get(), RGN_OR);
    }
    // The window owns the region from here on.
    if (::SetWindowRgn(Hwnd(), outline.Get(), TRUE) != 0) {
        outline.Release();
    }
}

void CMainSkin::Paint(bool scanning) const {
    {
        const PaintDc dc(Hwnd());
        if (::IsIconic(Hwnd())) {
            ::SendMessageW(Hwnd(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.Get()), 0);
            RECT client{};
            ::GetClientRect(Hwnd(), &client);
            const int icon = SystemMetricForDpi(SM_CXICON, Dpi());
            ::DrawIconEx(dc.Get(), (client.right - icon + 1) / 2, (client.bottom - icon + 1) / 2,
                         m_icon.Get(), icon, icon, 0, nullptr, DI_NORMAL);
        }
        // Otherwise the body is all the dialog paints: its background, erased as the paint
        // begins.
    }
    DrawLamp(scanning);
}

void CMainSkin::DrawLamp(bool scanning) const {
    const WindowDc dc(Hwnd());
    const Rect lamp = ScaleToDpi(kLamp, Dpi());
    m_lamp[scanning ? 0 : 1].Render(dc.Get(), lamp.left, lamp.top, lamp.Width(), lamp.Height());
}

}  // namespace blenker
