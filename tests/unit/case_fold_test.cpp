#include "titles/case_fold.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace blenker {
namespace {

TEST(CaseFoldTest, FoldsTheEdgesOfTheTableAndNothingElse) {
    EXPECT_EQ(FoldCase(U'A'), U'a');
    EXPECT_EQ(FoldCase(U'Z'), U'z');
    EXPECT_EQ(FoldCase(U'['), U'[');
    EXPECT_EQ(FoldCase(0x00B5), 0x03BCu);    // MICRO SIGN, the first entry past ASCII
    EXPECT_EQ(FoldCase(0x00D7), 0x00D7u);    // the multiplication sign amid Latin-1's capitals
    EXPECT_EQ(FoldCase(0x03C2), 0x03C3u);    // final sigma
    EXPECT_EQ(FoldCase(0x1E9E), 0x00DFu);    // capital sharp s: an S entry
    EXPECT_EQ(FoldCase(0x212A), U'k');       // KELVIN SIGN
    EXPECT_EQ(FoldCase(0x10400), 0x10428u);  // Deseret, past the BMP
    EXPECT_EQ(FoldCase(0x1E921), 0x1E943u);  // the last entry of CaseFolding.txt 15.0
    EXPECT_EQ(FoldCase(0x1E922), 0x1E922u);
    // Only F or T entries, or none: unchanged.
    for (char32_t same : {0x0130u, 0x0149u, 0x00DFu, 0x2014u, 0x4E2Du, 0x10FFFFu, 0x110000u}) {
        EXPECT_EQ(FoldCase(same), same);
    }
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
