#include "framework/group_box.h"

#include <commctrl.h>

#include <string>

#include "framework/dpi.h"
#include "framework/gdi.h"
#include "framework/text.h"
#include "framework/window.h"

namespace blenker {

namespace {

constexpr UINT_PTR kSubclassId = 0x6B78;  // this painter's mark among the window's subclasses

void Paint(HWND box, HDC dc) {
    const auto brush = reinterpret_cast<HBRUSH>(::SendMessageW(::GetParent(box), WM_CTLCOLORSTATIC,
                                                               reinterpret_cast<WPARAM>(dc),
                                                               reinterpret_cast<LPARAM>(box)));
    const SelectedObject font(dc, GetFont(box));
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc, &metrics);
    const HBRUSH body = brush != nullptr ? brush : ::GetSysColorBrush(COLOR_3DFACE);
    RECT frame{};
    ::GetClientRect(box, &frame);
    // The caption's line anew (a shorter caption leaves nothing of a longer one), then the
    // frame through its middle, as the system draws it.
    const RECT line{frame.left, frame.top, frame.right, frame.top + metrics.tmHeight};
    ::FillRect(dc, &line, body);
    frame.top += metrics.tmHeight / 2;
    ::DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);

    const std::wstring caption = ToUtf16(WholeWindowText(box));
    if (caption.empty()) {
        return;
    }
    const int indent = ScaleToDpi(7, WindowDpi(box));
    RECT label{indent, 0, indent, metrics.tmHeight};
    ::DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &label,
                DT_SINGLELINE | DT_CALCRECT | DT_NOPREFIX);
    // The caption sits on the body's colour, a pixel of it either side.
    const RECT behind{label.left - 1, label.top, label.right + 1, label.bottom};
    ::FillRect(dc, &behind, body);
    const int oldMode = ::SetBkMode(dc, TRANSPARENT);
    ::DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &label,
                DT_SINGLELINE | DT_NOPREFIX);
    ::SetBkMode(dc, oldMode);
}

LRESULT CALLBACK GroupBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                              DWORD_PTR) {
    switch (message) {
        case WM_PAINT: {
            const PaintDc dc(box);
            Paint(box, dc.Get());
            return 0;
        }
        case WM_SETTEXT:
        case WM_ENABLE:
        case WM_SETFONT: {
            // The control paints itself at once on these: it is painted again the program's way.
            const LRESULT result = ::DefSubclassProc(box, message, wParam, lParam);
            ::InvalidateRect(box, nullptr, TRUE);
            return result;
        }
        case WM_NCDESTROY:
            ::RemoveWindowSubclass(box, &GroupBoxProc, kSubclassId);
            break;
        default:
            break;
    }
    return ::DefSubclassProc(box, message, wParam, lParam);
}

}  // namespace

void DrawGroupBoxInDialogColors(HWND groupBox) {
    ::SetWindowSubclass(groupBox, &GroupBoxProc, kSubclassId, 0);
}

}  // namespace blenker
