#include "titles/title_list.h"

#include <gtest/gtest.h>

#include <cctype>

namespace blenker {
namespace {

std::vector<std::string> Sorted(std::initializer_list<const char*> titles) {
    return {titles.begin(), titles.end()};
}

TEST(TitleListTest, AddTrimsCLocaleWhiteSpace) {
    TitleList list;
    ASSERT_TRUE(list.AddTitle("  Info iFrance  "));
    ASSERT_TRUE(list.AddTitle("\t\v\f\r\nTabbed\r\n"));
    EXPECT_EQ(list.Titles(), Sorted({"Info iFrance", "Tabbed"}));
    // Only the ends are trimmed.
    ASSERT_TRUE(list.AddTitle(" two  words "));
    EXPECT_EQ(list[2], "two  words");
}

TEST(TitleListTest, RefusesEmptyAndBlankTitles) {
    TitleList list;
    EXPECT_FALSE(list.AddTitle(""));
    EXPECT_FALSE(list.AddTitle("   \t\r\n"));
    EXPECT_EQ(list.Size(), 0u);
}

TEST(TitleListTest, DuplicateRuleFollowsTheCaseOption) {
    TitleList list;
    ASSERT_TRUE(list.AddTitle("Info iFrance"));
    EXPECT_FALSE(list.AddTitle("info ifrance"));
    EXPECT_FALSE(list.AddTitle(" Info iFrance"));
    EXPECT_TRUE(list.TitleExists("INFO IFRANCE"));

    list.SetCaseSensitive(true);
    EXPECT_FALSE(list.TitleExists("INFO IFRANCE"));
    ASSERT_TRUE(list.AddTitle("info ifrance"));
    EXPECT_FALSE(list.AddTitle("info ifrance"));
    EXPECT_EQ(list.Size(), 2u);

    // Switching back does not re-examine the entries already there.
    list.SetCaseSensitive(false);
    EXPECT_EQ(list.Size(), 2u);
    EXPECT_FALSE(list.AddTitle("INFO IFRANCE"));
}

TEST(TitleListTest, ExistsComparesWholeTitlesOnly) {
    TitleList list;
    ASSERT_TRUE(list.AddTitle("Popup window"));
    EXPECT_FALSE(list.TitleExists("Popup"));
    EXPECT_FALSE(list.TitleExists("Popup window 2"));
    EXPECT_TRUE(list.TitleExists("popup WINDOW"));
    // A beginning of an existing title is a title of its own.
    EXPECT_TRUE(list.AddTitle("Popup"));
}

TEST(TitleListTest, RefusesTitlesThatWouldMatchTheProgramItself) {
    TitleList list;
    for (const char* refused : {"The", "t", "THE BLEN", "The Blenker", "The Blenker 2.005 - On",
                                "the blenker settings", "Blenker", "Blenker setup", "BLENKER"}) {
        EXPECT_FALSE(list.AddTitle(refused)) << refused;
    }
    for (const char* accepted :
         {"Blen", "Settings for The Blenker", "Thee", "The  Blenker", "TheBlenker", "Blenke r"}) {
        EXPECT_TRUE(list.AddTitle(accepted)) << accepted;
    }
    // The rules see the trimmed title.
    EXPECT_FALSE(list.AddTitle("   the blenker 2.005 - Off  "));
    // Under Unicode folding the Kelvin sign (U+212A) is a K; other letters are not ASCII's.
    EXPECT_FALSE(list.AddTitle("Blen\xE2\x84\xAA" "er 3"));
    EXPECT_FALSE(list.AddTitle("THE BLEN\xE2\x84\xAA"));
    EXPECT_TRUE(list.AddTitle("Th\xC3\x89"));
    EXPECT_FALSE(list.AddTitle("The Blenker\xE2\x84\xAA"));  // begins with the caption
}

TEST(TitleListTest, DuplicatesFoldByUnicode) {
    TitleList list;
    ASSERT_TRUE(list.AddTitle("\xC3\xA9t\xC3\xA9 \xD0\xBC\xD0\xB8\xD1\x80"));
    EXPECT_TRUE(list.TitleExists("\xC3\x89T\xC3\x89 \xD0\x9C\xD0\x98\xD0\xA0"));
    EXPECT_FALSE(list.AddTitle("\xC3\x89T\xC3\x89 \xD0\x9C\xD0\x98\xD0\xA0"));
    list.SetCaseSensitive(true);
    EXPECT_TRUE(list.AddTitle("\xC3\x89T\xC3\x89 \xD0\x9C\xD0\x98\xD0\xA0"));
}

TEST(TitleListTest, KeepsAStableCaseInsensitiveOrder) {
    TitleList list;
    EXPECT_EQ(list.AddTitle("b"), 0u);
    EXPECT_EQ(list.AddTitle("C"), 1u);
    EXPECT_EQ(list.AddTitle("a"), 0u);
    EXPECT_EQ(list.Titles(), Sorted({"a", "b", "C"}));

    // Entries equal without case keep the order in which they came.
    TitleList cased;
    cased.SetCaseSensitive(true);
    EXPECT_EQ(cased.AddTitle("abc"), 0u);
    EXPECT_EQ(cased.AddTitle("ABC"), 1u);
    EXPECT_EQ(cased.AddTitle("Abc"), 2u);
    EXPECT_EQ(cased.AddTitle("ab"), 0u);
    EXPECT_EQ(cased.AddTitle("abd"), 4u);
    EXPECT_EQ(cased.Titles(), Sorted({"ab", "abc", "ABC", "Abc", "abd"}));
}

// Like the system's order, ignores hyphens: titles equal under the duplicate rule need not be
// neighbours ("re-run", "Reader", "RE-RUN").
std::string HyphenlessKey(std::string_view text) {
    std::string key;
    for (const char c : text) {
        if (c != '-') {
            key += static_cast<char>(AsciiLower(static_cast<unsigned char>(c)));
        }
    }
    return key;
}
int IgnoringHyphens(std::string_view a, std::string_view b) {
    return HyphenlessKey(a).compare(HyphenlessKey(b));
}

TEST(TitleListTest, KeepsTheGivenOrderAndFindsDuplicatesAnywhereInIt) {
    const std::vector<std::string> titles = {"re-run", "Reader", "Rerun", "R-e", "Re",  "r-e-a-d",
                                             "Read",   "-x",     "x-",    "a-z", "Az-", "Re-r"};
    // Loaded by comparisons, or by keys; added one by one; in both case modes.
    for (const bool caseSensitive : {false, true}) {
        TitleList list({&IgnoringHyphens, nullptr});
        list.SetCaseSensitive(caseSensitive);
        for (const std::string& title : titles) {
            ASSERT_TRUE(list.AddTitle(title)) << title;
        }
        for (const auto key :
             {static_cast<std::string (*)(std::string_view)>(nullptr), &HyphenlessKey}) {
            TitleList loaded({&IgnoringHyphens, key});
            loaded.InsertAll(titles);
            EXPECT_EQ(loaded.Titles(), list.Titles());
        }
        const std::vector<std::string> expected = {"a-z",     "Az-",   "R-e",    "Re",
                                                   "r-e-a-d", "Read",  "Reader", "Re-r",
                                                   "re-run",  "Rerun", "-x",     "x-"};
        EXPECT_EQ(list.Titles(), expected);
        for (std::string title : titles) {
            EXPECT_TRUE(list.TitleExists(title)) << title;
            for (char& c : title) {
                c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            }
            EXPECT_EQ(list.TitleExists(title), !caseSensitive) << title;
            EXPECT_EQ(list.AddTitle(title).has_value(), caseSensitive) << title;
        }
    }
}

TEST(TitleListTest, RemovesTheSelectedEntries) {
    TitleList list;
    for (const char* title : {"j", "i", "h", "g", "f", "e", "d", "c", "b", "a"}) {
        ASSERT_TRUE(list.AddTitle(title));
    }
    const auto revision = list.Revision();
    list.RemoveSelected({});
    EXPECT_EQ(list.Size(), 10u);
    EXPECT_EQ(list.Revision(), revision);

    list.RemoveSelected({2, 5, 7});
    EXPECT_EQ(list.Titles(), Sorted({"a", "b", "d", "e", "g", "i", "j"}));
    EXPECT_NE(list.Revision(), revision);

    // Indices in any order, repeated or past the end, remove each named entry once.
    list.RemoveSelected({6, 0, 6, 42});
    EXPECT_EQ(list.Titles(), Sorted({"b", "d", "e", "g", "i"}));
}

TEST(TitleListTest, EveryChangeMovesTheRevision) {
    TitleList list;
    auto revision = list.Revision();
    ASSERT_TRUE(list.AddTitle("one"));
    EXPECT_NE(list.Revision(), revision);
    revision = list.Revision();
    EXPECT_FALSE(list.AddTitle("one"));
    EXPECT_EQ(list.Revision(), revision);
    list.Insert("two");
    EXPECT_NE(list.Revision(), revision);
    revision = list.Revision();
    list.Clear();
    EXPECT_NE(list.Revision(), revision);
    EXPECT_EQ(list.Size(), 0u);
}

}  // namespace
}  // namespace blenker
