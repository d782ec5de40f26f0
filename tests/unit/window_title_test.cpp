#include "scan/window_title.h"

#include <gtest/gtest.h>

#include <string>

namespace blenker {
namespace {

TEST(WindowTitleTest, KeepsAtMost1023UnitsAndNoHalfPair) {
    EXPECT_EQ(KeptTitleUnits(u""), 0u);
    EXPECT_EQ(KeptTitleUnits(std::u16string(1023, u'x')), 1023u);
    EXPECT_EQ(KeptTitleUnits(std::u16string(1500, u'x')), 1023u);
    // Unit 1023 begins a pair: it goes with its other half.
    std::u16string title(1022, u'x');
    title += u"\U0001F600 tail";
    EXPECT_EQ(KeptTitleUnits(title), 1022u);
    // A pair that ends at unit 1023 is kept whole.
    title = std::u16string(1021, u'x') + u"\U0001F600 tail";
    EXPECT_EQ(KeptTitleUnits(title), 1023u);
    // A high surrogate that is the title's last unit is not cut when the title fits.
    title = std::u16string(1022, u'x') + u'\xD83D';
    EXPECT_EQ(KeptTitleUnits(title), 1023u);
}

TEST(WindowTitleTest, CutsUtf8TitlesAsTheirUtf16) {
    EXPECT_EQ(KeptTitleBytes(""), 0u);
    EXPECT_EQ(KeptTitleBytes(std::string(1500, 'x')), 1023u);
    // Two bytes each, one unit each: 1023 characters.
    std::string cyrillic;
    for (int i = 0; i < 1100; ++i) {
        cyrillic += "\xD0\x96";
    }
    EXPECT_EQ(KeptTitleBytes(cyrillic), 2046u);
    // An emoji takes two units: at units 1023 and 1024 it goes whole.
    const std::string emoji = "\xF0\x9F\x98\x80";
    EXPECT_EQ(KeptTitleBytes(std::string(1022, 'x') + emoji + "tail"), 1022u);
    EXPECT_EQ(KeptTitleBytes(std::string(1021, 'x') + emoji + "tail"), 1025u);
}

}  // namespace
}  // namespace blenker
