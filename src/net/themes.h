// The maker's theme titles file as the Titles page reads it: the themes it lists, each with the
// titles the user does not have yet, and the labels the page shows for them. The file is a
// records file ("Doc", "File", "Themes", then one record of titles per theme).
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "net/theme_status.h"

namespace blenker {

// The lines of a block: the text before each CR LF. Text after the last CR LF is not a line:
// a block counts its last line only when an empty line follows it in the file.
std::vector<std::string_view> BlockLines(std::string_view block);

// Whether this release reads the file: "Doc" and "File" are both exactly "1".
bool IsReadableThemesFile(std::string_view doc, std::string_view file);

// A line of "Themes": the key of the record of its titles (the text before the first blank),
// the English name (between the first blank and the first "#") and the French name (after the
// first "#"), both trimmed.
struct ThemeLine {
    std::string key;
    std::string english;
    std::string french;
};
ThemeLine ParseThemeLine(std::string_view line);

// A theme as the page holds it. `offered` tells whether it had new titles when it was read:
// a theme without any is left alone by a double click.
struct Theme {
    std::string name;
    std::vector<std::string> titles;
    bool offered = false;
};

// The theme of a line, named in French or English, with the lines of its titles block that the
// user does not have yet: each cut at a NUL byte and trailing white space removed (leading
// kept), without empty lines, the titles `userHas` knows and repeats within the theme.
Theme BuildTheme(const ThemeLine& line, std::string_view titlesBlock, bool french,
                 const std::function<bool(const std::string&)>& userHas);

// A reply of the themes file: what it brought and the themes of its "Themes" lines, in order.
struct ThemesRead {
    ThemesReply reply;
    std::vector<Theme> themes;
};

// Reads a reply: a failed transfer or a file of a later format lists nothing; otherwise each
// line of "Themes" that is not empty gives its theme, built from the record its key names.
// `value` gives the reply's value of a key ("" when it had none).
ThemesRead ReadThemesReply(bool succeeded,
                           const std::function<const std::string&(std::string_view)>& value,
                           bool french, const std::function<bool(const std::string&)>& userHas);

// Hands the theme's titles to `add` in order and drops each one it takes; stops at the first it
// refuses, which stays with those after it. Returns how many it took.
int AddThemeTitles(Theme& theme, const std::function<bool(const std::string&)>& add);

// The message after a double click added titles: the string id of its format for one title or
// for any other count, and the text from that format.
int AddedTitlesTextId(int added);
std::string AddedTitlesMessage(std::string_view format, int added);

// The theme's label from the formats for new titles ("%s - %d new title%s") and for none
// ("%s - No new title").
std::string ThemeLabel(const Theme& theme, std::string_view newFormat, std::string_view noneFormat);

}  // namespace blenker
