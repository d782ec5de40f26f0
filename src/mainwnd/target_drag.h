// The target drag: a press on the dialog's target picture takes the mouse; the release over any
// window hands that window's text, cut before the application's name when the option says so,
// to the title list. While dragged, the target shows its dragged picture and the cursor a target.
#pragma once

#include <functional>
#include <string>
#include <utility>

#include "framework/unique_handle.h"
#include "framework/win32.h"

namespace blenker {

class CTargetDrag {
  public:
    // Where a title taken goes (the list's AddTitle), and the "RemoveAppName" option as the
    // scan engine holds it, read at each drop.
    CTargetDrag(std::function<void(std::string)> addTitle, const bool& removeAppName)
        : m_addTitle(std::move(addTitle)), m_removeAppName(removeAppName) {}
    CTargetDrag(const CTargetDrag&) = delete;
    CTargetDrag& operator=(const CTargetDrag&) = delete;

    // Loads the pictures and shows the target at rest in the dialog.
    void Init(HWND dialog);

    // Sees the dialog's WM_LBUTTONDOWN, WM_LBUTTONUP and WM_CAPTURECHANGED, which keep their
    // own handling too.
    void OnMessage(UINT message, LPARAM lParam);
    void EndDrag();

    // 1 while the target is dragged.
    const int& Dragging() const { return m_bDragging; }

  private:
    // The dialog's mouse messages, in its client coordinates.
    void OnLButtonDown(POINT at);
    void OnLButtonUp(POINT at);
    // Another window took the mouse (a system menu, a task switch): the drag is over.
    void OnCaptureChanged(HWND gaining);

    std::function<void(std::string)> m_addTitle;
    const bool& m_removeAppName;
    HWND m_dialog = nullptr;
    UniqueIcon m_targetIcon;
    UniqueIcon m_draggedIcon;
    HCURSOR m_dragCursor = nullptr;
    int m_bDragging = 0;
};

}  // namespace blenker
