#include "ui/link_state_machine.h"

#include <gtest/gtest.h>

namespace blenker {
namespace {

TEST(LinkStateMachineTest, TheMouseHeldWhileOverAndLostWithTheCaptureOrFocus) {
    LinkStateMachine link;
    LinkReaction in = link.MouseMove(true);
    EXPECT_TRUE(in.capture && in.repaint && !in.release);
    EXPECT_FALSE(link.MouseMove(true).repaint);  // still over it: nothing to do
    EXPECT_FALSE(link.CaptureChanged(true).repaint);
    EXPECT_TRUE(link.State().hover);
    // Another window takes the mouse: no hover survives it.
    EXPECT_TRUE(link.CaptureChanged(false).repaint);
    EXPECT_FALSE(link.State().hover);
    EXPECT_FALSE(link.CaptureChanged(false).repaint);
    link.MouseMove(true);
    const LinkReaction out = link.MouseMove(false);
    EXPECT_TRUE(out.release && out.repaint && !out.capture);
    EXPECT_FALSE(link.State().hover);
    link.MouseMove(true);
    link.FocusGained();
    EXPECT_TRUE(link.FocusLost().repaint);
    EXPECT_FALSE(link.State().hover || link.State().active);
}

TEST(LinkStateMachineTest, ClicksFollowOnReleaseOrOnPressAfterTheStyle) {
    LinkStateMachine link;
    EXPECT_FALSE(link.ButtonUp().follow);  // a release without a press on it
    const LinkReaction down = link.ButtonDown();
    EXPECT_TRUE(down.takeFocus && !down.follow && link.State().active);
    EXPECT_TRUE(link.ButtonUp().follow);
    EXPECT_TRUE(link.SpaceBar().follow);

    LinkStateMachine onPress;
    onPress.ChangeStyleBits(kLinkGetFocusOnClick, kLinkDownClick);
    const LinkReaction press = onPress.ButtonDown();
    EXPECT_TRUE(press.follow && !press.takeFocus);
    EXPECT_FALSE(onPress.ButtonUp().follow);
}

TEST(LinkStateMachineTest, OnlyAnOpenedTargetMarksItVisitedForGood) {
    constexpr LinkColors kColors{1, 2, 3, 4};
    LinkStateMachine link;
    const LinkReaction failed = link.Followed(false);
    EXPECT_TRUE(failed.beep && !failed.repaint);
    EXPECT_EQ(link.TextColor(kColors), kColors.normal);
    EXPECT_TRUE(link.Followed(true).repaint);
    link.FocusGained();
    link.MouseMove(true);
    link.CaptureChanged(false);
    link.FocusLost();
    link.Followed(false);
    EXPECT_EQ(link.TextColor(kColors), kColors.visited);
}

TEST(LinkStateMachineTest, TheTargetAndTheTextFillEachOther) {
    LinkStateMachine fromText;
    EXPECT_EQ(fromText.Attach("http://example.invalid/"), std::nullopt);
    EXPECT_EQ(fromText.Target(), "http://example.invalid/");
    LinkStateMachine fromTarget;
    fromTarget.SetTarget("mailto:a@example.invalid");
    EXPECT_EQ(fromTarget.Attach(""), "mailto:a@example.invalid");
    EXPECT_TRUE(fromTarget.MayOpen());
    fromTarget.OpenWebAddressesOnly();
    EXPECT_FALSE(fromTarget.MayOpen());
    fromTarget.SetTarget("HTTPS://example.invalid/");
    EXPECT_TRUE(fromTarget.MayOpen());
    fromTarget.SetTarget("http://example.invalid/");
    EXPECT_TRUE(fromTarget.MayOpen());
    // A target that came over https opens only over https.
    fromTarget.OpenWebAddressesOnly(true);
    EXPECT_FALSE(fromTarget.MayOpen());
    fromTarget.SetTarget("HTTPS://example.invalid/");
    EXPECT_TRUE(fromTarget.MayOpen());
}

}  // namespace
}  // namespace blenker
