#include "scan/window_events.h"

namespace blenker {

bool StartsInstantBlenk(const WindowEvent& event, std::uint32_t ownProcessId) {
    const bool listened = event.event == kEventObjectCreate || event.event == kEventObjectShow ||
                          event.event == kEventObjectNameChange;
    return listened && event.objectId == kObjectIdWindow && event.childId == kChildIdSelf &&
           event.topLevel && event.processId != ownProcessId;
}

}  // namespace blenker
