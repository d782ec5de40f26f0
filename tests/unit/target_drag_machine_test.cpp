#include "mainwnd/target_drag_machine.h"

#include <gtest/gtest.h>

#include <vector>

namespace blenker {
namespace {

// The target covers x < 10; the window under every point has the text "under".
struct TargetDragMachineTest : testing::Test, TargetDragSite {
    bool OnTarget(Point at) const override { return at.x < 10; }
    void TakeMouse() override { captured = true; }
    void ReleaseMouse() override { captured = false; }
    void ShowDragging(bool dragging) override { shown.push_back(dragging); }
    std::optional<std::string> WindowTextAt(Point) const override { return under; }

    bool captured = false, removeAppName = true;
    std::vector<bool> shown;
    std::optional<std::string> under = "Popup title - Netscape";
    std::vector<std::string> added;
    TargetDragMachine drag{*this, [this](std::string title) { added.push_back(title); },
                           removeAppName};
};

TEST_F(TargetDragMachineTest, APressOnTheTargetDragsUntilTheRelease) {
    drag.Press({20, 0});  // beside the target
    drag.Release({20, 0});
    EXPECT_TRUE(added.empty() && shown.empty());
    drag.Press({5, 0});
    EXPECT_TRUE(drag.Dragging() && captured);
    drag.CaptureLost(true);  // the dialog itself: still dragging
    drag.Release({300, 300});
    EXPECT_FALSE(drag.Dragging() || captured);
    EXPECT_EQ(shown, std::vector<bool>({true, false}));
    removeAppName = false;  // read at each drop
    drag.Press({0, 0});
    drag.Release({0, 0});
    under.reset();
    drag.Press({0, 0});
    drag.Release({0, 0});
    EXPECT_EQ(added, std::vector<std::string>({"Popup title ", "Popup title - Netscape"}));
}

TEST_F(TargetDragMachineTest, TheMouseTakenByAnotherWindowEndsTheDrag) {
    drag.Press({0, 0});
    drag.CaptureLost(false);
    EXPECT_FALSE(drag.Dragging() || captured);
    drag.Release({0, 0});
    EXPECT_TRUE(added.empty());
}

}  // namespace
}  // namespace blenker
