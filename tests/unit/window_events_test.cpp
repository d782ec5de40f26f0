#include "scan/window_events.h"

#include <gtest/gtest.h>

namespace blenker {
namespace {

constexpr std::uint32_t kOwnProcess = 7;

TEST(WindowEventsTest, OnlyTheThreeEventsOfAnotherProgramsTopLevelWindowItselfCount) {
    const WindowEvent created{WindowEventKind::Created, true, true, 42};
    for (const WindowEventKind kind :
         {WindowEventKind::Created, WindowEventKind::Shown, WindowEventKind::Renamed}) {
        WindowEvent e = created;
        e.kind = kind;
        EXPECT_TRUE(StartsInstantBlenk(e, kOwnProcess)) << static_cast<int>(kind);
    }
    WindowEvent other = created;
    other.kind = WindowEventKind::Other;  // a destruction, say, which the first hook brings too
    EXPECT_FALSE(StartsInstantBlenk(other, kOwnProcess));
    WindowEvent part = created;
    part.aboutWindowItself = false;  // its caret or scroll bar
    EXPECT_FALSE(StartsInstantBlenk(part, kOwnProcess));
    WindowEvent child = created;
    child.topLevel = false;
    EXPECT_FALSE(StartsInstantBlenk(child, kOwnProcess));
    WindowEvent own = created;
    own.processId = kOwnProcess;
    EXPECT_FALSE(StartsInstantBlenk(own, kOwnProcess));
}

}  // namespace
}  // namespace blenker
