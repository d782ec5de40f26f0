#include "mainwnd/repeat_rhythm.h"

#include <algorithm>

namespace blenker {

RepeatRhythm KeyboardRepeatRhythm(int delayIndex, int speedIndex) {
    const int delay = std::clamp(delayIndex, 0, 3);
    const int speed = std::clamp(speedIndex, 0, 31);
    // The rate grows evenly from 2.5 a second at speed 0 to 30 at speed 31; in tenths of a
    // repeat per second to stay in whole numbers.
    const int tenthsPerSecond = 25 + speed * (300 - 25) / 31;
    return {(delay + 1) * 250, 10000 / tenthsPerSecond};
}

}  // namespace blenker
