#include "scan/window_event_hooks.h"

#include <map>

#include "scan/window_events.h"

namespace blenker {

namespace {

// The ranges of events the two hooks ask for. One range from the creation to the renaming
// would also bring the location changes, which come with every move of the mouse.
struct EventRange {
    DWORD first;
    DWORD last;
};
constexpr EventRange kListenedEvents[] = {{EVENT_OBJECT_CREATE, EVENT_OBJECT_SHOW},
                                          {EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE}};

constexpr bool Listened(DWORD event) {
    for (const EventRange& range : kListenedEvents) {
        if (event >= range.first && event <= range.last) {
            return true;
        }
    }
    return false;
}
static_assert(Listened(EVENT_OBJECT_CREATE) && Listened(EVENT_OBJECT_SHOW) &&
              Listened(EVENT_OBJECT_NAMECHANGE) && !Listened(EVENT_OBJECT_LOCATIONCHANGE));

// What a system event means to the instant blenk. The first range brings the destruction too.
WindowEventKind KindOf(DWORD event) {
    switch (event) {
        case EVENT_OBJECT_CREATE:
            return WindowEventKind::Created;
        case EVENT_OBJECT_SHOW:
            return WindowEventKind::Shown;
        case EVENT_OBJECT_NAMECHANGE:
            return WindowEventKind::Renamed;
        default:
            return WindowEventKind::Other;
    }
}

// The window each hook hands its events to: the callback only gets the hook.
std::map<HWINEVENTHOOK, HWND>& Targets() {
    static std::map<HWINEVENTHOOK, HWND> targets;
    return targets;
}

}  // namespace

bool WindowEventHooks::Listen(bool on, HWND target) {
    for (const UniqueWinEventHook& hook : m_hooks) {
        Targets().erase(hook.Get());
    }
    m_hooks.clear();
    if (!on) {
        return true;
    }
    for (const EventRange& range : kListenedEvents) {
        UniqueWinEventHook hook(::SetWinEventHook(range.first, range.last, nullptr, &OnEvent, 0, 0,
                                                  WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS));
        if (!hook) {
            Listen(false, nullptr);
            return false;
        }
        Targets()[hook.Get()] = target;
        m_hooks.push_back(std::move(hook));
    }
    return true;
}

void CALLBACK WindowEventHooks::OnEvent(HWINEVENTHOOK hook, DWORD event, HWND window, LONG objectId,
                                        LONG childId, DWORD, DWORD) {
    const auto target = Targets().find(hook);
    if (target == Targets().end() || window == nullptr) {
        return;
    }
    WindowEvent facts;
    facts.kind = KindOf(event);
    facts.aboutWindowItself = objectId == OBJID_WINDOW && childId == CHILDID_SELF;
    facts.topLevel = ::GetAncestor(window, GA_PARENT) == ::GetDesktopWindow();
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    facts.processId = process;
    if (StartsInstantBlenk(facts, ::GetCurrentProcessId())) {
        ::PostMessageW(target->second, WM_WINDOW_APPEARED, reinterpret_cast<WPARAM>(window), 0);
    }
}

}  // namespace blenker
