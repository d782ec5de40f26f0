#include "mainwnd/target_drag_machine.h"

#include "mainwnd/target_title.h"

namespace blenker {

void TargetDragMachine::Press(Point at) {
    if (!m_site.OnTarget(at)) {
        return;
    }
    m_site.TakeMouse();
    m_bDragging = 1;
    m_site.ShowDragging(true);
}

void TargetDragMachine::Release(Point at) {
    if (!m_bDragging) {
        return;
    }
    if (std::optional<std::string> title = m_site.WindowTextAt(at)) {
        m_addTitle(m_removeAppName ? CutAppName(*title) : std::move(*title));
    }
    End();
}

void TargetDragMachine::CaptureLost(bool toDialog) {
    if (m_bDragging && !toDialog) {
        End();
    }
}

void TargetDragMachine::End() {
    m_bDragging = 0;
    m_site.ReleaseMouse();
    m_site.ShowDragging(false);
}

}  // namespace blenker
