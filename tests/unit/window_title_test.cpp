#include "scan/window_title.h"

#include <gtest/gtest.h>

#include <string>

namespace blenker {
namespace {

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
