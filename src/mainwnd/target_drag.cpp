#include "mainwnd/target_drag.h"

#include <windowsx.h>

#include "framework/controls.h"
#include "framework/window.h"
#include "mainwnd/icon_resource.h"
#include "mainwnd/target_title.h"
#include "resource.h"

namespace blenker {

namespace {

void ShowTarget(HWND dialog, HICON picture) {
    SetStaticIcon(::GetDlgItem(dialog, IDC_TARGET), picture);
}

}  // namespace

void CTargetDrag::Init(HWND dialog) {
    m_dialog = dialog;
    m_targetIcon = LoadIconResource(IDI_TARGET, 0);
    m_draggedIcon = LoadIconResource(IDI_TARGET_DRAGGED, 0);
    m_dragCursor = ::LoadCursorA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_TARGET_CURSOR));
    ShowTarget(m_dialog, m_targetIcon.Get());
}

void CTargetDrag::OnMessage(UINT message, LPARAM lParam) {
    const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (message == WM_LBUTTONDOWN) {
        OnLButtonDown(at);
    } else if (message == WM_LBUTTONUP) {
        OnLButtonUp(at);
    } else if (message == WM_CAPTURECHANGED) {
        OnCaptureChanged(reinterpret_cast<HWND>(lParam));
    }
}

void CTargetDrag::OnLButtonDown(POINT at) {
    if (::ChildWindowFromPoint(m_dialog, at) != ::GetDlgItem(m_dialog, IDC_TARGET)) {
        return;
    }
    ::SetCapture(m_dialog);
    m_bDragging = 1;
    ShowTarget(m_dialog, m_draggedIcon.Get());
    ::SetCursor(m_dragCursor);
}

void CTargetDrag::OnLButtonUp(POINT at) {
    if (!m_bDragging) {
        return;
    }
    ::ClientToScreen(m_dialog, &at);
    if (const HWND found = ::WindowFromPoint(at)) {
        std::string title = WholeWindowText(found);
        if (m_removeAppName) {
            title = CutAppName(title);
        }
        m_addTitle(title);
    }
    EndDrag();
}

void CTargetDrag::OnCaptureChanged(HWND gaining) {
    if (m_bDragging && gaining != m_dialog) {
        EndDrag();
    }
}

void CTargetDrag::EndDrag() {
    m_bDragging = 0;
    if (::GetCapture() == m_dialog) {
        ::ReleaseCapture();
    }
    ShowTarget(m_dialog, m_targetIcon.Get());
}

}  // namespace blenker
