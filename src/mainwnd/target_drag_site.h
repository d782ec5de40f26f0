// What the target drag needs of the main window and the desktop: whether a point is on the
// target, the mouse capture, the target's pictures with the drag cursor, and the text of the
// window under a point.
#pragma once

#include <optional>
#include <string>

#include "framework/geometry.h"

namespace blenker {

class TargetDragSite {
  public:
    virtual ~TargetDragSite() = default;

    // Whether the dialog's child at this point of its client area is the target.
    virtual bool OnTarget(Point at) const = 0;
    // Takes the mouse for the dialog; ReleaseMouse gives it back when the dialog holds it.
    virtual void TakeMouse() = 0;
    virtual void ReleaseMouse() = 0;
    // The dragged target with the target cursor (true), or the target at rest (false).
    virtual void ShowDragging(bool dragging) = 0;
    // The whole text of the window directly under this point of the dialog's client area;
    // nothing when no window is there.
    virtual std::optional<std::string> WindowTextAt(Point at) const = 0;
};

}  // namespace blenker
