#include "scan/window_events.h"

#include <gtest/gtest.h>

namespace blenker {
namespace {

constexpr std::uint32_t kOwnProcess = 7;
constexpr std::uint32_t kEventObjectDestroy = 0x8001;
constexpr std::uint32_t kEventObjectHide = 0x8003;
constexpr std::uint32_t kEventObjectLocationChange = 0x800B;

TEST(WindowEventsTest, OnlyTheThreeEventsOfAnotherProgramsTopLevelWindowItselfCount) {
    const WindowEvent created{kEventObjectCreate, kObjectIdWindow, kChildIdSelf, true, 42};
    for (const std::uint32_t event :
         {kEventObjectCreate, kEventObjectShow, kEventObjectNameChange}) {
        WindowEvent e = created;
        e.event = event;
        EXPECT_TRUE(StartsInstantBlenk(e, kOwnProcess)) << event;
    }
    for (const std::uint32_t event :
         {kEventObjectDestroy, kEventObjectHide, kEventObjectLocationChange}) {
        WindowEvent e = created;
        e.event = event;
        EXPECT_FALSE(StartsInstantBlenk(e, kOwnProcess)) << event;
    }
    WindowEvent part = created;
    part.objectId = -4;  // the client area, not the window
    EXPECT_FALSE(StartsInstantBlenk(part, kOwnProcess));
    part = created;
    part.childId = 1;
    EXPECT_FALSE(StartsInstantBlenk(part, kOwnProcess));
    WindowEvent child = created;
    child.topLevel = false;
    EXPECT_FALSE(StartsInstantBlenk(child, kOwnProcess));
    WindowEvent own = created;
    own.processId = kOwnProcess;
    EXPECT_FALSE(StartsInstantBlenk(own, kOwnProcess));
}

// The hooks' ranges hold the three events and never the location change of every mouse move.
TEST(WindowEventsTest, TheHooksRangesLeaveTheLocationChangesOut) {
    const auto listened = [](std::uint32_t event) {
        for (const EventRange& range : kListenedEvents) {
            if (event >= range.first && event <= range.last) {
                return true;
            }
        }
        return false;
    };
    EXPECT_TRUE(listened(kEventObjectCreate) && listened(kEventObjectShow) &&
                listened(kEventObjectNameChange));
    EXPECT_FALSE(listened(kEventObjectLocationChange));
}

}  // namespace
}  // namespace blenker
