#include "titles/case_fold.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace blenker {
namespace {

TEST(CaseFoldTest, FoldsTheEdgesOfTheTable) {
    for (char32_t c = 'A'; c <= 'Z'; ++c) {
        EXPECT_EQ(FoldCase(c), c + 32);
    }
    for (char32_t c : {U'@', U'[', U'`', U'a', U'z', U'{', U'0', U'\0', U'\x7F'}) {
        EXPECT_EQ(FoldCase(c), c);
    }
    EXPECT_EQ(FoldCase(0x00B5), 0x03BCu);   // MICRO SIGN to Greek mu
    EXPECT_EQ(FoldCase(0x00C0), 0x00E0u);   // the first of Latin-1's capitals
    EXPECT_EQ(FoldCase(0x00D7), 0x00D7u);   // the multiplication sign among them
    EXPECT_EQ(FoldCase(0x00DE), 0x00FEu);   // the last
    EXPECT_EQ(FoldCase(0x0100), 0x0101u);   // a run of every other code point
    EXPECT_EQ(FoldCase(0x0101), 0x0101u);
    EXPECT_EQ(FoldCase(0x03A3), 0x03C3u);   // capital sigma
    EXPECT_EQ(FoldCase(0x03C2), 0x03C3u);   // final sigma
    EXPECT_EQ(FoldCase(0x03C3), 0x03C3u);
    EXPECT_EQ(FoldCase(0x1E9E), 0x00DFu);   // capital sharp s: the S entry
    EXPECT_EQ(FoldCase(0x00DF), 0x00DFu);   // sharp s has only an F entry ("ss")
    EXPECT_EQ(FoldCase(0x212A), U'k');      // KELVIN SIGN
    EXPECT_EQ(FoldCase(0x2126), 0x03C9u);   // OHM SIGN
    EXPECT_EQ(FoldCase(0x0410), 0x0430u);   // Cyrillic А
    EXPECT_EQ(FoldCase(0x10400), 0x10428u); // Deseret, past the BMP
    EXPECT_EQ(FoldCase(0x10428), 0x10428u);
    EXPECT_EQ(FoldCase(0x1E921), 0x1E943u); // the last entry of CaseFolding.txt 15.0
    EXPECT_EQ(FoldCase(0x1E922), 0x1E922u);
}

TEST(CaseFoldTest, LeavesWhatHasNoSimpleMapping) {
    EXPECT_EQ(FoldCase(0x0130), 0x0130u);  // İ: only F and T entries
    EXPECT_EQ(FoldCase(U'I'), U'i');       // not the Turkic dotless ı
    EXPECT_EQ(FoldCase(0x0149), 0x0149u);  // ŉ: F only
    EXPECT_EQ(FoldCase(0x2014), 0x2014u);  // em dash
    EXPECT_EQ(FoldCase(0x4E2D), 0x4E2Du);  // a CJK ideograph
    EXPECT_EQ(FoldCase(0x1F600), 0x1F600u);
    EXPECT_EQ(FoldCase(0xFFFD), 0xFFFDu);
    EXPECT_EQ(FoldCase(0x10FFFF), 0x10FFFFu);
    EXPECT_EQ(FoldCase(0x110000), 0x110000u);  // no code point at all
}

// Every C and S line of the installed file, when there is one, against the table; the
// others (F, T) fold nothing that C or S does not.
TEST(CaseFoldTest, AgreesWithTheInstalledCaseFoldingFile) {
    std::ifstream file("/usr/share/unicode/CaseFolding.txt");
    if (!file) {
        GTEST_SKIP() << "no /usr/share/unicode/CaseFolding.txt";
    }
    int checked = 0;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        std::istringstream fields(line);
        std::string code, status, mapping;
        std::getline(fields, code, ';');
        std::getline(fields, status, ';');
        std::getline(fields, mapping, ';');
        const auto from = static_cast<char32_t>(std::stoul(code, nullptr, 16));
        if (status == " C" || status == " S") {
            EXPECT_EQ(FoldCase(from), static_cast<char32_t>(std::stoul(mapping, nullptr, 16)))
                << line;
            ++checked;
        }
    }
    EXPECT_GT(checked, 1400);
}

}  // namespace
}  // namespace blenker
