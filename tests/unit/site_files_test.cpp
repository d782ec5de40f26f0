// The maker's two files as published in site/: what the program reads from them.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "version.h"
#include "net/records.h"
#include "net/release.h"
#include "net/themes.h"
#include "app/web_address.h"

namespace blenker {
namespace {

Records SiteFile(const std::string& name) {
    std::ifstream file(std::string(BLENKER_SITE_DIR) + "/blenker/" + name, std::ios::binary);
    EXPECT_TRUE(file) << name;
    return Records::Parse(
        std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()));
}

TEST(SiteFilesTest, TheReleaseFileAnnouncesThisReleaseWithAWebDownloadAndNotes) {
    const Records release = SiteFile("tbk_update.txt");
    EXPECT_EQ(release.GetValue("VersionNumber"), std::to_string(kReleaseNumber));
    EXPECT_FALSE(IsNewerRelease(release.GetValue("VersionNumber"), kReleaseNumber));
    // The site is served over https, and so is the program it offers.
    EXPECT_TRUE(IsSecureAddress(release.GetValue("Download")));
    // The 32-bit package, which every Windows runs.
    EXPECT_TRUE(release.GetValue("Download")
                    .ends_with(std::string("/Blenker-") + kVersionText + "-x86.zip"));
    EXPECT_NE(release.GetValue("Infos_ENG"), "");
    EXPECT_NE(release.GetValue("Infos_FRA"), "");
}

// Read as the Titles page reads it: every theme named in both languages, and every title of its
// record offered (each block ends with the empty line that its last line needs).
TEST(SiteFilesTest, TheThemesFileOffersEveryThemeWithAllItsTitles) {
    const Records themes = SiteFile("tbk_titles.txt");
    EXPECT_TRUE(IsReadableThemesFile(themes.GetValue("Doc"), themes.GetValue("File")));
    const auto lines = BlockLines(themes.GetValue("Themes"));
    EXPECT_GE(lines.size(), 3u);
    EXPECT_TRUE(themes.GetValue("Themes").ends_with("\r\n"));
    for (const std::string_view line : lines) {
        const ThemeLine parsed = ParseThemeLine(line);
        const std::string& block = themes.GetValue(parsed.key);
        const Theme theme =
            BuildTheme(parsed, block, false, [](const std::string&) { return false; });
        EXPECT_TRUE(!parsed.english.empty() && !parsed.french.empty()) << line;
        EXPECT_GE(theme.titles.size(), 3u) << line;
        EXPECT_TRUE(block.ends_with("\r\n")) << line;
        EXPECT_EQ(theme.titles.size(), BlockLines(block).size()) << line;
    }
}

}  // namespace
}  // namespace blenker
