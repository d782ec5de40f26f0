// Which of the system's window events make the instant blenk try a window: the creation, the
// showing or the renaming of a top-level window itself, of another program. The Win32 hook
// translates the system's event into these meanings; the decision is taken here.
#pragma once

#include <cstdint>

namespace blenker {

// The kinds of event the program listens to; any other event the hooks bring is Other.
enum class WindowEventKind { Other, Created, Shown, Renamed };

// One event as the hook understood it, with what the program found out about its window.
struct WindowEvent {
    WindowEventKind kind = WindowEventKind::Other;
    bool aboutWindowItself = false;  // not about a part of it, such as its caret or scroll bar
    bool topLevel = false;           // the window's parent is the desktop
    std::uint32_t processId = 0;     // the process that made the window
};

// True when the event is one of the three, about the window itself, the window is top-level and
// it belongs to another process.
bool StartsInstantBlenk(const WindowEvent& event, std::uint32_t ownProcessId);

}  // namespace blenker
