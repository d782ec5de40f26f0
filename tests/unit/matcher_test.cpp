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
    // The characters between 'Z' and 'a' do not fold.
    {"[ad]", "{AD}", false, false, false},
    // UTF-8 folds by Unicode: "été" and "ÉTÉ", the Kelvin sign and 'k', the sigmas, a letter of
    // the supplementary planes (Deseret U+10400 and U+10428); nothing folds with case.
    {"\xC3\xA9t\xC3\xA9", "\xC3\x89T\xC3\x89 chaud", false, false, true},
    {"\xC3\xA9t\xC3\xA9", "\xC3\x89T\xC3\x89 chaud", false, true, false},
    {"\xC3\xA9t\xC3\xA9", "\xC3\x89T\xC3\x89", true, false, true},
    {"kelvin", "\xE2\x84\xAA" "ELVIN", true, false, true},
    {"\xE2\x84\xAA", "k-space", false, false, true},
    {"\xCE\x9F\xCE\x94\xCE\x9F\xCE\xA3", "\xCE\xBF\xCE\xB4\xCE\xBF\xCF\x82 1", false, false, true},
    {"\xF0\x90\x90\x80x", "\xF0\x90\x90\xA8X", true, false, true},
    // Simple folding only: U+0130 is not "i", "ß" is not "ss".
    {"i", "\xC4\xB0", false, false, false},
    {"ss", "\xC3\x9F", false, false, false},
    // A beginning on whole characters: a lone lead byte is no beginning of "é" (C3 A9) or of the
    // em dash (E2 80 94), though their first byte; before bytes it does not lead it is one.
    {"\xC3", "\xC3\xA9", false, false, false},
    {"\xE2", "\xE2\x80\x94 x", false, true, false},
    {"\xE2", "\xE2\x80 x", false, false, true},
    // Bytes that are not UTF-8 (Latin-1 "été") compare as they are.
    {"\xE9t\xE9", "\xC9T\xC9", false, false, false},
    {"\xE9t\xE9", "\xE9T\xE9 chaud", false, false, true},
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
    // shared beginnings are frequent, and now and then
    // entries about as long as the 1 023 characters of a title the scan reads; the index must
    // agree with the plain rule every time.
    std::mt19937 random(20261208);
    // With UTF-8 letters that fold ('k', 'K' and the Kelvin sign; "é" and "É"; Deseret U+10400
    // and U+10428, four bytes each), and bytes that are no UTF-8 (a Latin-1 "é", a lone lead
    // byte, a stray continuation byte).
    const char* const alphabet[] = {"a", "A", "b", "B", " ", "-", "k", "K", "\xE2\x84\xAA",
                                    "\xC3\xA9", "\xC3\x89", "\xF0\x90\x90\x80",
                                    "\xF0\x90\x90\xA8", "\xE9", "\xC3", "\xA9"};
    auto word = [&](std::size_t maxLength) {
        std::string text;
        for (std::size_t n = random() % (maxLength + 1); n > 0; --n) {
            text += alphabet[random() % std::size(alphabet)];
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

TEST(TitleMatcherTest, FindsFoldedEntriesInAListOrderedAnotherWay) {
    // The list's own order need not be the folded bytes' (the program's is the system's).
    const std::vector<std::string> entries = {"\xC3\x89t\xC3\xA9", "Zebra", "\xD0\x94\xD0\xB0",
                                              "apple", "\xE2\x84\xAA" "ey", "Key"};
    TitleMatcher matcher;
    matcher.Rebuild(entries, false);
    for (const char* title : {"\xC3\xA9T\xC3\x89 2027", "ZEBRA", "\xD0\xB4\xD0\x90 !", "APPLE pie",
                              "key", "KEY ring"}) {
        EXPECT_TRUE(matcher.Matches(title, false)) << title;
    }
    EXPECT_TRUE(matcher.Matches("\xE2\x84\xAA" "EY", true));
    EXPECT_FALSE(matcher.Matches("\xD0\xB4", false));
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
