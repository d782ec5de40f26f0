// Which of the system's window events make the instant blenk try a window: the creation, the
// showing or the renaming of a top-level window itself, of another program.
#pragma once

#include <cstdint>

#include "scan/desktop.h"

namespace blenker {

// The system's numbers of the events and ids (EVENT_OBJECT_*, OBJID_WINDOW, CHILDID_SELF).
inline constexpr std::uint32_t kEventObjectCreate = 0x8000;
inline constexpr std::uint32_t kEventObjectShow = 0x8002;
inline constexpr std::uint32_t kEventObjectNameChange = 0x800C;
inline constexpr std::int32_t kObjectIdWindow = 0;
inline constexpr std::int32_t kChildIdSelf = 0;

// The ranges of events the two hooks ask for. One range from the creation to the renaming
// would also bring the location changes, which come with every move of the mouse.
struct EventRange {
    std::uint32_t first;
    std::uint32_t last;
};
inline constexpr EventRange kListenedEvents[] = {{kEventObjectCreate, kEventObjectShow},
                                                 {kEventObjectNameChange, kEventObjectNameChange}};

// One event as the system reports it, with what the program found out about its window.
struct WindowEvent {
    std::uint32_t event = 0;
    std::int32_t objectId = 0;
    std::int32_t childId = 0;
    bool topLevel = false;        // the window's parent is the desktop
    std::uint32_t processId = 0;  // the process that made the window
};

// True when the event is one of the three, about the window itself (not a part of it, such as
// its caret or scroll bar), the window is top-level and it belongs to another process.
bool StartsInstantBlenk(const WindowEvent& event, std::uint32_t ownProcessId);

}  // namespace blenker
