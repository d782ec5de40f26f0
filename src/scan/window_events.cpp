#include "scan/window_events.h"

namespace blenker {

bool StartsInstantBlenk(const WindowEvent& event, std::uint32_t ownProcessId) {
    return event.kind != WindowEventKind::Other && event.aboutWindowItself && event.topLevel &&
           event.processId != ownProcessId;
}

}  // namespace blenker
