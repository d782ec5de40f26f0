#include "net/themes.h"

#include <gtest/gtest.h>

#include "app/text_format.h"
#include "net/records.h"
#include "resource.h"
#include "titles/title_list.h"

namespace blenker {
namespace {

// The example file of the maker's documentation, with a few blemishes of real files added.
constexpr char kFile[] =
    "@Doc\n1\n@File\n1\n@Themes\ncasino Casino ads # Publicit\xE9s casino\n"
    "games Game sites#Sites de jeux\nghost Nothing here#Rien\n\n"
    "@casino\nFree Slots  \nFree Slots\n\t\nOnline Casino\nFree slots\nFree Slots\0 x\n\n"
    "@games\nPlay now\nWin a prize\nLast line without its empty line\n";

TEST(ThemesTest, TheExampleFileGivesEachThemeItsNewTitles) {
    const Records file = Records::Parse(std::string_view(kFile, sizeof kFile - 1));
    EXPECT_TRUE(IsReadableThemesFile(file.GetValue("Doc"), file.GetValue("File")));
    const auto lines = BlockLines(file.GetValue("Themes"));
    ASSERT_EQ(lines.size(), 3u);

    TitleList user;
    user.AddTitle("online casino");
    const auto build = [&](std::string_view line, bool french) {
        const ThemeLine parsed = ParseThemeLine(line);
        return BuildTheme(parsed, file.GetValue(parsed.key), french,
                          [&](const std::string& title) { return user.TitleExists(title); });
    };
    // Repeats and trailing blanks count once; "Free slots" differs in case only.
    const Theme casino = build(lines[0], true);
    EXPECT_EQ(casino.name, "Publicit\xE9s casino");
    EXPECT_EQ(casino.titles, (std::vector<std::string>{"Free Slots", "Free slots"}));
    user.SetCaseSensitive(true);  // now "Online Casino" is new too
    EXPECT_EQ(build(lines[0], false).titles.size(), 3u);
    EXPECT_EQ(build(lines[0], false).name, "Casino ads");

    const Theme games = build(lines[1], false);
    EXPECT_EQ(games.titles, (std::vector<std::string>{"Play now", "Win a prize"}));
    const Theme ghost = build(lines[2], false);  // no record of that key
    EXPECT_FALSE(ghost.offered);
    EXPECT_EQ(ThemeLabel(ghost, "%s - %d new title%s", "%s - No new title"),
              "Nothing here - No new title");

    for (const char* doc : {"1 ", "1\r\n", "", "01"}) {
        EXPECT_FALSE(IsReadableThemesFile(doc, "1")) << doc;
        EXPECT_FALSE(IsReadableThemesFile("1", doc)) << doc;
    }
}

TEST(ThemesTest, ADoubleClickStopsAtARefusedTitleAndTheLabelCountsWhatIsLeft) {
    Theme theme{"Jeux", {"a", "b", "c"}, true};
    const char* french = "%s - %d titre%s \xE0 ajouter";
    EXPECT_EQ(ThemeLabel(theme, french, "%s - Rien de neuf"), "Jeux - 3 titres \xE0 ajouter");

    TitleList user;
    user.AddTitle("b");  // added by hand since the download
    EXPECT_EQ(
        AddThemeTitles(theme, [&](const std::string& t) { return user.AddTitle(t).has_value(); }),
        1);
    EXPECT_EQ(theme.titles, (std::vector<std::string>{"b", "c"}));
    EXPECT_EQ(ThemeLabel(theme, "%s - %d new title%s", ""), "Jeux - 2 new titles");
    theme.titles.pop_back();
    EXPECT_EQ(ThemeLabel(theme, "%s - %d new title%s", ""), "Jeux - 1 new title");
    theme.titles.clear();
    EXPECT_EQ(ThemeLabel(theme, "", "%s - Rien de neuf"), "Jeux - Rien de neuf");
    EXPECT_EQ(FillFormat("%d%% %s %x", {"5", "50%s"}), "5% 50%s %x");
}

TEST(ThemesTest, AReplyListsTheThemesOfItsLinesOnlyWhenItIsAReadableFile) {
    const auto read = [](const std::string& text, bool succeeded = true) {
        const Records file = Records::Parse(text);
        return ReadThemesReply(
            succeeded,
            [&](std::string_view key) -> const std::string& { return file.GetValue(key); }, true,
            [](const std::string& title) { return title == "Old"; });
    };
    const std::string file = "@Doc\n1\n@File\n1\n@Themes\na A#Fa\n\nb B#Fb\n\n@a\nOld\nNew\n\n";
    const ThemesRead themes = read(file);
    EXPECT_EQ(themes.reply, ThemesReply::Themes);
    ASSERT_EQ(themes.themes.size(), 2u);
    EXPECT_EQ(themes.themes[0].name, "Fa");
    EXPECT_EQ(themes.themes[0].titles, std::vector<std::string>{"New"});
    EXPECT_FALSE(themes.themes[1].offered);
    EXPECT_EQ(read(file, false).reply, ThemesReply::TransferFailed);
    EXPECT_TRUE(read(file, false).themes.empty());
    EXPECT_EQ(read("@Doc\n1\n@File\n2\n@Themes\na A#Fa\n\n").reply, ThemesReply::LaterFormat);
    EXPECT_EQ(read("@Doc\n1\n@File\n1\n@Themes\n\n\n").reply, ThemesReply::NoTheme);
    EXPECT_EQ(AddedTitlesTextId(1), IDS_TITLE_ADDED);
    EXPECT_EQ(AddedTitlesTextId(0), IDS_TITLES_ADDED);
    EXPECT_EQ(AddedTitlesMessage("%d titles added", 3), "\n\n\n3 titles added");
}

}  // namespace
}  // namespace blenker
