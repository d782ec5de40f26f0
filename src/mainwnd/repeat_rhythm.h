// How a held button repeats its click: after the keyboard's repeat delay, then at the keyboard's
// repeat rate, as a held key and a spin button do.
#pragma once

namespace blenker {

struct RepeatRhythm {
    int firstMs;  // from the press to the first repeat
    int everyMs;  // between two repeats
};

// The rhythm of the system's keyboard settings: the delay index 0..3 (250 ms to 1 s) and the
// speed index 0..31 (about 2.5 to 30 repeats a second); values outside are brought inside.
RepeatRhythm KeyboardRepeatRhythm(int delayIndex, int speedIndex);

}  // namespace blenker
