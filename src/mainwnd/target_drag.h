// The target drag on the main window: a press on the dialog's target picture takes the mouse;
// the release over a window gives that window's text, which the dialog adds as a title; the
// release anywhere, or the mouse taken by another window (a system menu, a task switch), ends
// it. While dragged, the target shows its dragged picture and the cursor a target.
#pragma once

#include <optional>
#include <string>

#include "framework/unique_handle.h"
#include "framework/win32.h"

namespace blenker {

class Dialog;

class CTargetDrag {
  public:
    // The target is the dialog's IDC_TARGET.
    explicit CTargetDrag(const Dialog& dialog);
    CTargetDrag(const CTargetDrag&) = delete;
    CTargetDrag& operator=(const CTargetDrag&) = delete;

    // Loads the pictures and the cursor for the dialog's DPI and shows the target at rest: once
    // the dialog exists, and again when its DPI changes.
    void ShowAtRest();

    // The dialog's WM_LBUTTONDOWN, WM_LBUTTONUP and WM_CAPTURECHANGED, which keep their own
    // handling too. A release that ends a drag over a window gives its whole text.
    void OnButtonDown(LPARAM lParam);
    std::optional<std::string> OnButtonUp(LPARAM lParam);
    void OnCaptureChanged(HWND newCapture);

  private:
    void End();
    void ShowDragging(bool dragging);

    const Dialog& m_dialog;
    UniqueIcon m_targetIcon;
    UniqueIcon m_draggedIcon;
    UniqueCursor m_dragCursor;
    int m_loadedDpi = 0;
    bool m_bDragging = false;
};

}  // namespace blenker
