#include "mainwnd/repeat_rhythm.h"

#include <gtest/gtest.h>

namespace blenker {
namespace {

TEST(RepeatRhythmTest, FollowsTheKeyboardDelayAndSpeedWithinTheirRanges) {
    EXPECT_EQ(KeyboardRepeatRhythm(1, 31).firstMs, 500);
    EXPECT_EQ(KeyboardRepeatRhythm(1, 31).everyMs, 33);
    EXPECT_EQ(KeyboardRepeatRhythm(0, 0).firstMs, 250);
    EXPECT_EQ(KeyboardRepeatRhythm(0, 0).everyMs, 400);
    EXPECT_EQ(KeyboardRepeatRhythm(3, 15).firstMs, 1000);
    EXPECT_EQ(KeyboardRepeatRhythm(3, 15).everyMs, 63);
    EXPECT_EQ(KeyboardRepeatRhythm(9, 99).firstMs, 1000);
    EXPECT_EQ(KeyboardRepeatRhythm(-1, -5).everyMs, 400);
}

}  // namespace
}  // namespace blenker
