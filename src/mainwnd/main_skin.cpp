#include "mainwnd/main_skin.h"

#include "framework/dialog.h"
#include "framework/gdi.h"
#include "framework/unique_handle.h"
#include "framework/window.h"
#include "mainwnd/window_shape.h"
#include "resource.h"

namespace blenker {

namespace {

constexpr POINT kLampAt{169, 2};
constexpr SIZE kLampSize{30, 25};

UniqueRegion Region(const Rect& rect, bool ellipse) {
    return UniqueRegion(ellipse ? ::CreateEllipticRgn(rect.left, rect.top, rect.right, rect.bottom)
                                : ::CreateRectRgn(rect.left, rect.top, rect.right, rect.bottom));
}

}  // namespace

CMainSkin::CMainSkin(const Dialog& window)
    : m_window(window),
      m_icon(LoadIconResource(IDI_APP, ::GetSystemMetrics(SM_CXICON))),
      m_smallIcon(LoadIconResource(IDI_APP, ::GetSystemMetrics(SM_CXSMICON))) {}

HWND CMainSkin::Hwnd() const {
    return m_window.Hwnd();
}

void CMainSkin::Init() {
    SetOutline();
    SetIcons(Hwnd(), m_icon.Get(), m_smallIcon.Get());
    for (CPicture& picture : m_lamp) {
        picture.SetOwner(Hwnd());
    }
    m_lamp[0].LoadFromResource(IDG_LAMP_ON, "GIF");
    m_lamp[1].LoadFromResource(IDG_LAMP_OFF, "GIF");
}

void CMainSkin::SetOutline() const {
    const RECT frame = WindowRectIn(Hwnd(), nullptr);
    const WindowShape shape =
        SkinnedWindowShape(frame.right - frame.left, frame.bottom - frame.top,
                           ::GetSystemMetrics(SM_CYCAPTION), ::GetSystemMetrics(SM_CYEDGE));
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
            ::DrawIcon(dc.Get(), (client.right - ::GetSystemMetrics(SM_CXICON) + 1) / 2,
                       (client.bottom - ::GetSystemMetrics(SM_CYICON) + 1) / 2, m_icon.Get());
        }
        // Otherwise the body is all the dialog paints: its background, erased as the paint
        // begins.
    }
    DrawLamp(scanning);
}

void CMainSkin::DrawLamp(bool scanning) const {
    const WindowDc dc(Hwnd());
    m_lamp[scanning ? 0 : 1].Render(dc.Get(), kLampAt.x, kLampAt.y, kLampSize.cx, kLampSize.cy);
}

}  // namespace blenker
