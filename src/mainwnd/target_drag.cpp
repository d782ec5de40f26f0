#include "mainwnd/target_drag.h"

#include <windowsx.h>

#include "framework/controls.h"
#include "framework/window.h"
#include "mainwnd/icon_resource.h"
#include "resource.h"

namespace blenker {

void CTargetDrag::Init(HWND dialog) {
    m_dialog = dialog;
    m_targetIcon = LoadIconResource(IDI_TARGET, 0);
    m_draggedIcon = LoadIconResource(IDI_TARGET_DRAGGED, 0);
    m_dragCursor = ::LoadCursorA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_TARGET_CURSOR));
    ShowDragging(false);
}

void CTargetDrag::OnMessage(UINT message, LPARAM lParam) {
    const Point at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (message == WM_LBUTTONDOWN) {
        m_machine.Press(at);
    } else if (message == WM_LBUTTONUP) {
        m_machine.Release(at);
    } else if (message == WM_CAPTURECHANGED) {
        m_machine.CaptureLost(reinterpret_cast<HWND>(lParam) == m_dialog);
    }
}

bool CTargetDrag::OnTarget(Point at) const {
    return ::ChildWindowFromPoint(m_dialog, POINT{at.x, at.y}) ==
           ::GetDlgItem(m_dialog, IDC_TARGET);
}

void CTargetDrag::ReleaseMouse() {
    if (::GetCapture() == m_dialog) {
        ::ReleaseCapture();
    }
}

void CTargetDrag::ShowDragging(bool dragging) {
    SetStaticIcon(::GetDlgItem(m_dialog, IDC_TARGET),
                  dragging ? m_draggedIcon.Get() : m_targetIcon.Get());
    if (dragging) {
        ::SetCursor(m_dragCursor);
    }
}

std::optional<std::string> CTargetDrag::WindowTextAt(Point at) const {
    POINT screen{at.x, at.y};
    ::ClientToScreen(m_dialog, &screen);
    const HWND found = ::WindowFromPoint(screen);
    if (found == nullptr) {
        return std::nullopt;
    }
    return WholeWindowText(found);
}

}  // namespace blenker
