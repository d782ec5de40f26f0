#include "scan/window_event_hooks.h"

#include <map>

#include "scan/window_events.h"

namespace blenker {

static_assert(kEventObjectCreate == EVENT_OBJECT_CREATE && kEventObjectShow == EVENT_OBJECT_SHOW &&
              kEventObjectNameChange == EVENT_OBJECT_NAMECHANGE);
static_assert(kObjectIdWindow == OBJID_WINDOW && kChildIdSelf == CHILDID_SELF);

namespace {

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
    WindowEvent facts{event, objectId, childId};
    facts.topLevel = ::GetAncestor(window, GA_PARENT) == ::GetDesktopWindow();
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    facts.processId = process;
    if (StartsInstantBlenk(facts, ::GetCurrentProcessId())) {
        ::PostMessageA(target->second, WM_WINDOW_APPEARED, reinterpret_cast<WPARAM>(window), 0);
    }
}

}  // namespace blenker
