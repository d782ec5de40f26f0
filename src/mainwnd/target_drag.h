// The target drag on the main window: the press on the dialog's target picture takes the mouse;
// the release finds the window under it. While dragged, the target shows its dragged picture
// and the cursor a target. The machine decides what each event does.
#pragma once

#include <functional>
#include <string>
#include <utility>

#include "framework/unique_handle.h"
#include "framework/win32.h"
#include "mainwnd/target_drag_machine.h"

namespace blenker {

class CTargetDrag : private TargetDragSite {
  public:
    CTargetDrag(std::function<void(std::string)> addTitle, const bool& removeAppName)
        : m_machine(*this, std::move(addTitle), removeAppName) {}
    CTargetDrag(const CTargetDrag&) = delete;
    CTargetDrag& operator=(const CTargetDrag&) = delete;

    // Loads the pictures and shows the target at rest in the dialog.
    void Init(HWND dialog);

    // Sees the dialog's WM_LBUTTONDOWN, WM_LBUTTONUP and WM_CAPTURECHANGED, which keep their
    // own handling too.
    void OnMessage(UINT message, LPARAM lParam);
    void EndDrag() { m_machine.End(); }

    // 1 while the target is dragged.
    const int& Dragging() const { return m_machine.Dragging(); }

  private:
    bool OnTarget(Point at) const override;
    void TakeMouse() override { ::SetCapture(m_dialog); }
    void ReleaseMouse() override;
    void ShowDragging(bool dragging) override;
    std::optional<std::string> WindowTextAt(Point at) const override;

    TargetDragMachine m_machine;
    HWND m_dialog = nullptr;
    UniqueIcon m_targetIcon;
    UniqueIcon m_draggedIcon;
    HCURSOR m_dragCursor = nullptr;
};

}  // namespace blenker
