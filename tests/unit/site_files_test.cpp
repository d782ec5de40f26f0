// The maker's two files as published in site/: what the program reads from them.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "app/version.h"
#include "net/records.h"
#include "net/release.h"
#include "net/url_check.h"

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
    EXPECT_TRUE(IsWebAddress(release.GetValue("Download")));
    EXPECT_NE(release.GetValue("Infos_ENG"), "");
    EXPECT_NE(release.GetValue("Infos_FRA"), "");
}

TEST(SiteFilesTest, TheThemesFileNamesEveryThemeAndItsTitles) {
    const Records themes = SiteFile("tbk_titles.txt");
    EXPECT_EQ(themes.GetValue("Doc"), "1");
    EXPECT_EQ(themes.GetValue("File"), "1");
    // Only lines followed by CR LF count: each block ends with an empty line.
    const std::string& list = themes.GetValue("Themes");
    ASSERT_GE(list.size(), 2u);
    EXPECT_EQ(list.substr(list.size() - 2), "\r\n");
    int count = 0;
    for (std::size_t from = 0, end; (end = list.find("\r\n", from)) != std::string::npos;
         from = end + 2) {
        const std::string line = list.substr(from, end - from);
        const std::size_t blank = line.find(' ');
        ASSERT_NE(blank, std::string::npos) << line;
        EXPECT_NE(line.find('#', blank), std::string::npos) << line;
        const std::string& titles = themes.GetValue(line.substr(0, blank));
        EXPECT_GE(titles.size(), 2u) << line;
        EXPECT_EQ(titles.substr(titles.size() - 2), "\r\n") << line;
        ++count;
    }
    EXPECT_GE(count, 3);
}

}  // namespace
}  // namespace blenker
