#include "mainwnd/target_drag.h"

#include <windowsx.h>

#include <utility>

#include "framework/controls.h"
#include "framework/dialog.h"
#include "framework/dpi.h"
#include "framework/window.h"
#include "resource.h"

namespace blenker {

namespace {

POINT PointOf(LPARAM lParam) {
    return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

}  // namespace

CTargetDrag::CTargetDrag(const Dialog& dialog) : m_dialog(dialog) {}

void CTargetDrag::ShowAtRest() {
    const int dpi = m_dialog.Dpi();
    if (dpi == m_loadedDpi) {
        ShowDragging(false);
        return;
    }
    m_loadedDpi = dpi;
    // The picture shown until now goes once the new one is shown.
    const UniqueIcon shown = std::move(m_targetIcon);
    const int icon = SystemMetricForDpi(SM_CXICON, dpi);
    m_targetIcon = LoadIconResource(IDI_TARGET, icon);
    m_draggedIcon = LoadIconResource(IDI_TARGET_DRAGGED, icon);
    const int cursor = SystemMetricForDpi(SM_CXCURSOR, dpi);
    m_dragCursor.Reset(static_cast<HCURSOR>(
        ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_TARGET_CURSOR), IMAGE_CURSOR,
                     cursor, cursor, LR_DEFAULTCOLOR)));
    ShowDragging(false);
}

void CTargetDrag::OnButtonDown(LPARAM lParam) {
    if (::ChildWindowFromPoint(m_dialog.Hwnd(), PointOf(lParam)) != m_dialog.Item(IDC_TARGET)) {
        return;
    }
    ::SetCapture(m_dialog.Hwnd());
    m_bDragging = true;
    ShowDragging(true);
}

std::optional<std::string> CTargetDrag::OnButtonUp(LPARAM lParam) {
    if (!m_bDragging) {
        return std::nullopt;
    }
    POINT screen = PointOf(lParam);
    ::ClientToScreen(m_dialog.Hwnd(), &screen);
    const HWND found = ::WindowFromPoint(screen);
    End();
    if (found == nullptr) {
        return std::nullopt;
    }
    return WholeWindowText(found);
}

void CTargetDrag::OnCaptureChanged(HWND newCapture) {
    // The dialog taking the mouse itself changes nothing.
    if (m_bDragging && newCapture != m_dialog.Hwnd()) {
        End();
    }
}

void CTargetDrag::End() {
    m_bDragging = false;
    if (::GetCapture() == m_dialog.Hwnd()) {
        ::ReleaseCapture();
    }
    ShowDragging(false);
}

void CTargetDrag::ShowDragging(bool dragging) {
    SetStaticIcon(m_dialog.Item(IDC_TARGET), dragging ? m_draggedIcon.Get() : m_targetIcon.Get());
    if (dragging) {
        ::SetCursor(m_dragCursor.Get());
    }
}

}  // namespace blenker
