#include "net/records.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "version.h"
#include "net/release.h"
#include "app/web_address.h"
#include "net/url_check.h"

namespace blenker {
namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

// The whole table, in key order.
Pairs Table(std::string_view text) {
    const Records records = Records::Parse(text);
    return Pairs(records.Entries().begin(), records.Entries().end());
}

TEST(RecordsTest, ReadsTheSevenLineExampleWithEitherLineEnd) {
    const Pairs expected = {{"Alpha", "one\r\ntwo\r\n"}, {"Beta", ""}, {"Gamma", "  x@y"}};
    EXPECT_EQ(Table("@Alpha\none\ntwo\n\n@Beta\n@Gamma\n  x@y\n"), expected);
    EXPECT_EQ(Table("@Alpha\r\none\r\ntwo\r\n\r\n@Beta\r\n@Gamma\r\n  x@y\r\n"), expected);
    // The last line without its line end.
    EXPECT_EQ(Table("@Alpha\none\ntwo\n\n@Beta\n@Gamma\n  x@y"), expected);
    EXPECT_EQ(Table("@Alpha\r\none\r\ntwo\r\n\r\n@Beta\r\n@Gamma\r\n  x@y"), expected);
}

TEST(RecordsTest, OnlyTheCrBeforeAnLfBelongsToTheLineEnd) {
    EXPECT_EQ(Records::Parse("@Doc\r\n1\r\n").GetValue("Doc"), "1");
    EXPECT_EQ(Table("@A\r\nx\ny\r\n@B\nz"), Pairs({{"A", "x\r\ny"}, {"B", "z"}}));
    // A CR anywhere else is text, even at the very end of the file.
    EXPECT_EQ(Table("@A\na\rb\nx\r\r\n"), Pairs({{"A", "a\rb\r\nx\r"}}));
    EXPECT_EQ(Table("@A\n1\r"), Pairs({{"A", "1\r"}}));
    // Old Mac line ends make a single line, hence a single key.
    EXPECT_EQ(Table("@A\r1\r@B\r"), Pairs({{"A\r1\r@B", ""}}));
}

TEST(RecordsTest, EmptyTextGivesAnEmptyTableAndAbsentKeysReadEmpty) {
    const Records empty = Records::Parse("");
    EXPECT_EQ(empty.Size(), 0u);
    EXPECT_EQ(empty.GetValue(""), "");
    const Records records = Records::Parse("@Alpha\none");
    EXPECT_EQ(records.Size(), 1u);
    EXPECT_EQ(records.GetValue("Alpha"), "one");
    EXPECT_EQ(records.GetValue("Beta"), "");
    EXPECT_EQ(records.GetValue("alpha"), "");  // keys compare exactly
    EXPECT_EQ(records.GetValue("@Alpha"), "");
    // A lone line end or marker is still a first line: the empty key with the empty value.
    EXPECT_EQ(Table("\n"), Pairs({{"", ""}}));
    EXPECT_EQ(Table("@"), Pairs({{"", ""}}));
    EXPECT_EQ(Table("\r\n\r\n"), Pairs({{"", ""}}));
}

TEST(RecordsTest, TheFirstLineIsAlwaysAKeyLineAndKeysAreTrimmed) {
    EXPECT_EQ(Table("XVersionNumber\n2006\n"), Pairs({{"VersionNumber", "2006"}}));
    EXPECT_EQ(Table(" @A\nv"), Pairs({{"@A", "v"}}));
    EXPECT_EQ(Table("@  Doc\n1\n@ \tInfos ENG \v\f\r\n2"),
              Pairs({{"Doc", "1"}, {"Infos ENG", "2"}}));
}

TEST(RecordsTest, SplitsRecordsOnlyAtLinesStartingWithTheMarker) {
    // A key line followed by another key line, or by the end of the text.
    EXPECT_EQ(Table("@A\n@B\n@C"), Pairs({{"A", ""}, {"B", ""}, {"C", ""}}));
    // An "@" elsewhere is text; value lines keep their white space.
    EXPECT_EQ(Table("@A\n @x\nmid@dle\n\t v \n"), Pairs({{"A", " @x\r\nmid@dle\r\n\t v "}}));
    // Empty lines are empty pieces, before the next key line and at the end of the text.
    EXPECT_EQ(Table("@A\nv\n\n\n@B\n\n@C\nw\n\n"),
              Pairs({{"A", "v\r\n\r\n"}, {"B", ""}, {"C", "w\r\n"}}));
    EXPECT_EQ(Table("@A\n\n\n@B"), Pairs({{"A", "\r\n"}, {"B", ""}}));
    EXPECT_EQ(Table("@A\n\nv"), Pairs({{"A", "\r\nv"}}));
}

TEST(RecordsTest, ALaterRecordReplacesAnEarlierOneWithTheSameKey) {
    EXPECT_EQ(Table("@A\n1\n@B\nb\n@ A \n2\n3"), Pairs({{"A", "2\r\n3"}, {"B", "b"}}));
    EXPECT_EQ(Table("@A\n1\n@A"), Pairs({{"A", ""}}));
}

TEST(ReleaseCheckTest, ComparesTheVersionNumbersAsUnsigned) {
    EXPECT_TRUE(IsNewerRelease("2006", 2005));
    EXPECT_TRUE(IsNewerRelease("2006abc", 2005));
    EXPECT_TRUE(IsNewerRelease(" +2006 2004", 2005));
    EXPECT_FALSE(IsNewerRelease("2005", 2005));
    EXPECT_FALSE(IsNewerRelease("2004", 2005));
    EXPECT_FALSE(IsNewerRelease("", 2005));
    EXPECT_FALSE(IsNewerRelease("abc2006", 2005));
    // A negative number is a very large one, on either side.
    EXPECT_TRUE(IsNewerRelease("-1", 2005));
    EXPECT_TRUE(IsNewerRelease("-2", 2147483647));
    EXPECT_FALSE(IsNewerRelease("-2", -1));
    EXPECT_FALSE(IsNewerRelease("2147483647", -2005));
}

TEST(ReleaseCheckTest, ReadsTheReleaseFile) {
    const Records release = Records::Parse(
        "@VersionNumber\r\n2006\r\n@Download\r\nhttp://www.vorlen.example/blenker/Blenker.zip\r\n"
        "@Infos_ENG\r\nFaster scans.\r\nFewer bugs.\r\n");
    EXPECT_TRUE(IsNewerRelease(release.GetValue("VersionNumber"), kReleaseNumber));
    EXPECT_TRUE(IsWebAddress(release.GetValue("Download")));
    EXPECT_EQ(release.GetValue("Infos_ENG"), "Faster scans.\r\nFewer bugs.");
    EXPECT_EQ(release.GetValue("Infos_FRA"), "");
    // Without a version number the release counts as 0.
    EXPECT_FALSE(IsNewerRelease(Records::Parse("@Download\nhttp://x\n").GetValue("VersionNumber"),
                                kReleaseNumber));
}

TEST(UrlCheckTest, AcceptsOnlyHttpAndHttpsInAnyCase) {
    for (const char* url : {"http://www.vorlen.example/blenker/Blenker.zip", "https://x",
                            "HTTP://X", "HtTpS://x", "http://"}) {
        EXPECT_TRUE(IsWebAddress(url)) << url;
    }
    for (const char* url :
         {"", "http", "http:", "http:/x", "https:/x", "httpx://x", "ftp://x", "file:///C:/x.exe",
          "file://server/share/x.exe", "C:\\Windows\\System32\\calc.exe", "\\\\server\\x.exe",
          "calc.exe", "mailto:a@b", "javascript:alert(1)", " http://x", "\thttp://x",
          "\"http://x\"", "http\\\\x",
          // Only letters fold: these become "http://" or "https:" when 0x20 is simply set.
          "http\x1A\x0F\x0Fx", "https\x1A//x"}) {
        EXPECT_FALSE(IsWebAddress(url)) << url;
    }
    EXPECT_FALSE(IsWebAddress(std::string_view("http\0//x", 8)));
}

TEST(UrlCheckTest, AFileAskedForOverHttpsMustArriveOverHttps) {
    EXPECT_TRUE(IsSecureAddress("HTTPS://x"));
    EXPECT_FALSE(IsSecureAddress("http://x"));
    EXPECT_FALSE(IsSecureAddress("https:/x"));
    EXPECT_TRUE(KeepsItsSecurity("https://a/f.txt", "https://b/g.txt"));
    EXPECT_FALSE(KeepsItsSecurity("https://a/f.txt", "http://a/f.txt"));
    EXPECT_FALSE(KeepsItsSecurity("https://a/f.txt", ""));
    // A site without TLS may send the program on to its https address.
    EXPECT_TRUE(KeepsItsSecurity("http://a/f.txt", "https://a/f.txt"));
    EXPECT_TRUE(KeepsItsSecurity("http://a/f.txt", "http://b/f.txt"));
}

}  // namespace
}  // namespace blenker
