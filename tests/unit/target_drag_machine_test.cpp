#include "mainwnd/target_drag_machine.h"

#include <gtest/gtest.h>

#include <vector>

namespace blenker {
namespace {

// The target covers x < 10; the window under every point has the text "under".
struct FakeDragSite : TargetDragSite {
    bool OnTarget(Point at) const override { return at.x < 10; }
    void TakeMouse() override { captured = true; }
    void ReleaseMouse() override { captured = false; }
    void ShowDragging(bool dragging) override { shown.push_back(dragging); }
    std::optional<std::string> WindowTextAt(Point) const override { return under; }

    bool captured = false;
    std::vector<bool> shown;
    std::optional<std::string> under = "Popup title - Netscape";
};

struct TargetDragMachineTest : testing::Test {
    FakeDragSite site;
    std::vector<std::string> added;
    bool removeAppName = true;
    TargetDragMachine drag{site, [this](std::string title) { added.push_back(title); },
                           removeAppName};
};

TEST_F(TargetDragMachineTest, APressOnTheTargetDragsUntilTheRelease) {
    drag.Press({20, 0});  // beside the target
    drag.Release({20, 0});
    EXPECT_TRUE(added.empty());
    EXPECT_TRUE(site.shown.empty());
    drag.Press({5, 0});
    EXPECT_EQ(drag.Dragging(), 1);
    EXPECT_TRUE(site.captured);
    drag.CaptureLost(true);  // the dialog itself: still dragging
    drag.Release({300, 300});
    EXPECT_EQ(drag.Dragging(), 0);
    EXPECT_FALSE(site.captured);
    EXPECT_EQ(site.shown, std::vector<bool>({true, false}));
    EXPECT_EQ(added, std::vector<std::string>({"Popup title "}));
}

TEST_F(TargetDragMachineTest, TheOptionKeepsTheNameAndNoWindowAddsNothing) {
    removeAppName = false;  // read at the drop
    drag.Press({0, 0});
    drag.Release({0, 0});
    site.under.reset();
    drag.Press({0, 0});
    drag.Release({0, 0});
    EXPECT_EQ(added, std::vector<std::string>({"Popup title - Netscape"}));
    EXPECT_EQ(drag.Dragging(), 0);
}

TEST_F(TargetDragMachineTest, TheMouseTakenByAnotherWindowEndsTheDrag) {
    drag.Press({0, 0});
    drag.CaptureLost(false);
    EXPECT_EQ(drag.Dragging(), 0);
    EXPECT_FALSE(site.captured);
    drag.Release({0, 0});
    EXPECT_TRUE(added.empty());
}

}  // namespace
}  // namespace blenker
