// The target drag's states as the program decides them: a press on the target starts the drag;
// the release over a window hands that window's text, cut before the application's name when
// the option says so, to the title list; the release anywhere, or the mouse taken by another
// window, ends it.
#pragma once

#include <functional>
#include <string>
#include <utility>

#include "mainwnd/target_drag_site.h"

namespace blenker {

class TargetDragMachine {
  public:
    // Where a title taken goes (the list's AddTitle), and the "RemoveAppName" option as the
    // scan engine holds it, read at each drop.
    TargetDragMachine(TargetDragSite& site, std::function<void(std::string)> addTitle,
                      const bool& removeAppName)
        : m_site(site), m_addTitle(std::move(addTitle)), m_removeAppName(removeAppName) {}
    TargetDragMachine(const TargetDragMachine&) = delete;
    TargetDragMachine& operator=(const TargetDragMachine&) = delete;

    // The left button's press and release, in the dialog's client coordinates.
    void Press(Point at);
    void Release(Point at);
    // Another window took the mouse (a system menu, a task switch): the drag is over; the
    // dialog taking it itself changes nothing.
    void CaptureLost(bool toDialog);
    void End();

    // 1 while the target is dragged.
    const int& Dragging() const { return m_bDragging; }

  private:
    TargetDragSite& m_site;
    std::function<void(std::string)> m_addTitle;
    const bool& m_removeAppName;
    int m_bDragging = 0;
};

}  // namespace blenker
