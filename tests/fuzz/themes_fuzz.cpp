// libFuzzer target: the themes file as the Titles page reads it, from whatever bytes a server
// could send (decoded as a downloaded file is, with Latin-1 for the system's code page): every
// theme built, labelled and added.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "net/records.h"
#include "net/themes.h"
#include "titles/text_encoding.h"
#include "titles/title_list.h"
#include "titles/utf8.h"

namespace {

void Require(bool condition, const char* what, int line) {
    if (!condition) {
        std::fprintf(stderr, "themes_fuzz.cpp:%d: broken: %s\n", line, what);
        std::abort();
    }
}
#define REQUIRE(condition) Require((condition), #condition, __LINE__)

std::string Latin1ToUtf8(std::string_view bytes) {
    std::string text;
    for (const char c : bytes) {
        blenker::AppendUtf8(text, static_cast<unsigned char>(c));
    }
    return text;
}

std::optional<std::string> Utf8ToLatin1(std::string_view) {
    return std::nullopt;
}

constexpr blenker::CodePage kLatin1{&Latin1ToUtf8, &Utf8ToLatin1};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace blenker;
    const std::string text =
        DecodeFileText(std::string_view(reinterpret_cast<const char*>(data), size), kLatin1);
    const Records file = Records::Parse(text);
    (void)IsReadableThemesFile(file.GetValue("Doc"), file.GetValue("File"));
    TitleList user;
    user.SetCaseSensitive(size % 2 == 0);
    for (const std::string_view line : BlockLines(file.GetValue("Themes"))) {
        REQUIRE(line.find("\r\n") == std::string_view::npos);
        const ThemeLine parsed = ParseThemeLine(line);
        REQUIRE(parsed.key.find(' ') == std::string::npos);
        Theme theme = BuildTheme(parsed, file.GetValue(parsed.key), size % 3 == 0,
                                 [&](const std::string& title) { return user.TitleExists(title); });
        // Offered titles are new, distinct, not empty and end in no white space.
        const std::set<std::string> distinct(theme.titles.begin(), theme.titles.end());
        REQUIRE(distinct.size() == theme.titles.size());
        REQUIRE(theme.offered == !theme.titles.empty());
        for (const std::string& title : theme.titles) {
            REQUIRE(!title.empty() && !user.TitleExists(title));
            REQUIRE(title.find('\0') == std::string::npos);
            REQUIRE(title.back() != ' ' && title.back() != '\t' && title.back() != '\r');
        }
        (void)ThemeLabel(theme, "%s - %d new title%s", "%s - No new title");
        // Adding goes through the list's own rules: what it takes is in the list afterwards.
        const std::size_t before = theme.titles.size();
        const std::size_t listed = user.Size();
        const int added = AddThemeTitles(
            theme, [&](const std::string& title) { return user.AddTitle(title).has_value(); });
        REQUIRE(added >= 0 && static_cast<std::size_t>(added) + theme.titles.size() == before);
        REQUIRE(user.Size() == listed + static_cast<std::size_t>(added));
    }
    return 0;
}
