// The twenty colours that every colour button of the process offers, with the order in which
// they were last chosen, and where the palette window goes beside its button. Colours are
// 0x00BBGGRR values; rank 1 is the entry chosen most recently, rank 20 the one chosen least
// recently, and the ranks are always a permutation of 1..20.
#pragma once

#include "framework/geometry.h"

#include <array>
#include <cstdint>

namespace blenker {

class ColorPalette {
  public:
    static constexpr int kSize = 20;
    using Color = std::uint32_t;

    // The default colours: black and white last to be replaced, the middle entries first.
    ColorPalette();

    // Entries outside 0..19 read as black with rank 0: nothing is read outside the table.
    Color ColorAt(int index) const;
    int Rank(int index) const;

    // Entry `index` becomes the most recent; every entry more recent than it moves one back.
    void Choose(int index);
    // A colour from the system colour dialog: the first equal entry, or else the least recently
    // chosen entry replaced by it; then chosen as above. Returns its index.
    int ChooseCustom(Color color);

  private:
    std::array<Color, kSize> m_colors;
    std::array<std::uint8_t, kSize> m_ranks;
};

// The palette window's top-left corner in screen coordinates: under the button's bottom-left
// corner; above the button when it would reach below the work area of the button's monitor;
// moved left to end at the area's right edge when it would reach beyond it. It never leaves the
// area: a palette that fits neither under nor above the button lies on the area's top edge, and
// one whose button reaches out of the area on the left starts on the area's left edge.
Point PlacePalette(const Rect& button, int width, int height, const Rect& workArea);

// The palette entry that a control of the palette window shows: its cell's index, or -1 for any
// control that is no colour cell ("Other...", OK, Cancel).
int PaletteCellIndex(int controlId);

}  // namespace blenker
