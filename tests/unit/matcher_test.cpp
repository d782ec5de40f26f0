#include "scan/matcher.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace blenker {
namespace {

struct Row {
    const char* entry;
    const char* title;
    bool strict;
    bool caseSensitive;
    bool matches;
};

// The four combinations of "Strict" and "CaseSensitive", each on the same cases.
const Row kRows[] = {
    {"Info iFrance", "INFO IFRANCE - Netscape", false, false, true},
    {"Info iFrance", "Info iFrance", false, false, true},
    {"Info iFrance", "Info iFranc", false, false, false},
    {"Info iFrance", "INFO IFRANCE - Netscape", false, true, false},
    {"Info iFrance", "Info iFrance - Netscape", false, true, true},
    {"Info iFrance", "Info iFrance - Netscape", true, false, false},
    {"Info iFrance", "INFO IFRANCE", true, false, true},
    {"Info iFrance", "INFO IFRANCE", true, true, false},
    {"Info iFrance", "Info iFrance", true, true, true},
    {"Welcome", "WELCOME to a Tripod Member Page", false, true, false},
    {"Welcome", "WELCOME to a Tripod Member Page", false, false, true},
    {"welcome to a tripod member page", "Welcome to a Tripod Member Page", false, false, true},
    {"welcome to a tripod member page", "Welcome to a Tripod Member Page", true, false, true},
    // Only A to Z fold: accented letters of the code page compare as bytes, and so do the
    // characters between 'Z' and 'a'.
    {"\xE9t\xE9", "\xC9T\xC9", false, false, false},
    {"\xE9t\xE9", "\xE9T\xE9 chaud", false, false, true},
    {"[ad]", "{AD}", false, false, false},
};

TEST(EntryMatchesTest, FollowsTheTableOfOptions) {
    for (const Row& row : kRows) {
        EXPECT_EQ(EntryMatches(row.entry, row.title, row.strict, row.caseSensitive), row.matches)
            << "entry '" << row.entry << "' title '" << row.title << "' strict " << row.strict
            << " case " << row.caseSensitive;
        TitleMatcher matcher;
        matcher.Rebuild({row.entry}, row.caseSensitive);
        EXPECT_EQ(matcher.Matches(row.title, row.strict), row.matches)
            << "indexed: entry '" << row.entry << "' title '" << row.title << "'";
    }
}

TEST(TitleMatcherTest, AnswersAsTheRuleOverEveryEntry) {
    // Random lists and titles over a small alphabet, so that prefixes, case variants and
    // shared beginnings are frequent, with accented bytes (which never fold) and now and then
    // entries about as long as the 1 023 characters of a title the scan reads; the index must
    // agree with the plain rule every time.
    std::mt19937 random(20261208);
    const std::string alphabet = "aAbB -\xE9\xC9";
    auto word = [&](std::size_t maxLength) {
        std::string text(random() % (maxLength + 1), ' ');
        for (char& c : text) {
            c = alphabet[random() % alphabet.size()];
        }
        return text;
    };
    for (int round = 0; round < 300; ++round) {
        std::vector<std::string> entries(random() % 9);
        for (auto& entry : entries) {
            entry = word(4);
            if (entry.empty()) {
                entry.push_back('a');
            }
            if (random() % 10 == 0) {
                entry = std::string(1020 + random() % 6, 'a') + entry;
            }
        }
        const bool caseSensitive = random() % 2 == 0;
        TitleMatcher matcher;
        matcher.Rebuild(entries, caseSensitive);
        for (int probe = 0; probe < 40; ++probe) {
            std::string title = word(6);
            if (!entries.empty() && random() % 4 == 0) {  // an entry's beginning, and more
                title = (entries[random() % entries.size()] + title).substr(0, 1023);
            }
            for (bool strict : {false, true}) {
                const bool expected =
                    std::any_of(entries.begin(), entries.end(), [&](const std::string& entry) {
                        return EntryMatches(entry, title, strict, caseSensitive);
                    });
                ASSERT_EQ(matcher.Matches(title, strict), expected)
                    << "title '" << title << "' strict " << strict << " case " << caseSensitive;
            }
        }
    }
}

TEST(TitleMatcherTest, RebuildForgetsTheOldListAndCaseOption) {
    TitleMatcher matcher;
    EXPECT_FALSE(matcher.Matches("Popup", false));
    matcher.Rebuild({"Popup"}, false);
    EXPECT_TRUE(matcher.Matches("POPUP window", false));
    matcher.Rebuild({"Popup"}, true);
    EXPECT_FALSE(matcher.Matches("POPUP window", false));
    matcher.Rebuild({"Other"}, false);
    EXPECT_FALSE(matcher.Matches("Popup window", false));
    EXPECT_TRUE(matcher.Matches("other", true));
}

TEST(SmartBlenkTest, SparesClientAreasAboveABanner) {
    EXPECT_FALSE(SmartBlenkSpares(400, 400));
    EXPECT_TRUE(SmartBlenkSpares(401, 400));
    EXPECT_TRUE(SmartBlenkSpares(800, 201));
    EXPECT_FALSE(SmartBlenkSpares(800, 200));
    EXPECT_FALSE(SmartBlenkSpares(0, 0));
    // Taken as unsigned: a negative size is a huge one, and a product that would overflow
    // 32 bits stays huge.
    EXPECT_TRUE(SmartBlenkSpares(-1, 1));
    EXPECT_TRUE(SmartBlenkSpares(65536, 65536));
}

}  // namespace
}  // namespace blenker
