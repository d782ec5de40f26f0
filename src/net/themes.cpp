#include "net/themes.h"

#include <algorithm>

#include "app/text_format.h"
#include "resource.h"
#include "titles/title_text.h"

namespace blenker {

std::vector<std::string_view> BlockLines(std::string_view block) {
    std::vector<std::string_view> lines;
    for (std::size_t end; (end = block.find("\r\n")) != std::string_view::npos;) {
        lines.push_back(block.substr(0, end));
        block.remove_prefix(end + 2);
    }
    return lines;
}

bool IsReadableThemesFile(std::string_view doc, std::string_view file) {
    return doc == "1" && file == "1";
}

ThemeLine ParseThemeLine(std::string_view line) {
    const std::size_t blank = line.find(' ');
    const std::size_t hash = line.find('#');
    const std::string_view rest =
        blank == std::string_view::npos ? std::string_view() : line.substr(blank + 1);
    // The English name ends at the first "#" of the line, wherever that stands.
    const std::string_view english = hash == std::string_view::npos || hash < blank
                                         ? rest
                                         : line.substr(blank + 1, hash - blank - 1);
    const std::string_view french =
        hash == std::string_view::npos ? std::string_view() : line.substr(hash + 1);
    return {std::string(line.substr(0, blank)), std::string(TrimCSpace(english)),
            std::string(TrimCSpace(french))};
}

Theme BuildTheme(const ThemeLine& line, std::string_view titlesBlock, bool french,
                 const std::function<bool(const std::string&)>& userHas) {
    Theme theme{french ? line.french : line.english, {}, false};
    for (std::string_view title : BlockLines(titlesBlock)) {
        // A window title, like the text typed into the main window, ends at a NUL byte.
        title = title.substr(0, title.find('\0'));
        while (!title.empty() && IsCSpace(title.back())) {
            title.remove_suffix(1);
        }
        std::string text(title);
        if (text.empty() || userHas(text) ||
            std::find(theme.titles.begin(), theme.titles.end(), text) != theme.titles.end()) {
            continue;
        }
        theme.titles.push_back(std::move(text));
    }
    theme.offered = !theme.titles.empty();
    return theme;
}

ThemesRead ReadThemesReply(bool succeeded,
                           const std::function<const std::string&(std::string_view)>& value,
                           bool french, const std::function<bool(const std::string&)>& userHas) {
    if (!succeeded) {
        return {ThemesReply::TransferFailed, {}};
    }
    if (!IsReadableThemesFile(value("Doc"), value("File"))) {
        return {ThemesReply::LaterFormat, {}};
    }
    ThemesRead read{ThemesReply::NoTheme, {}};
    for (const std::string_view line : BlockLines(value("Themes"))) {
        if (line.empty()) {
            continue;
        }
        const ThemeLine parsed = ParseThemeLine(line);
        read.themes.push_back(BuildTheme(parsed, value(parsed.key), french, userHas));
    }
    if (!read.themes.empty()) {
        read.reply = ThemesReply::Themes;
    }
    return read;
}

int AddThemeTitles(Theme& theme, const std::function<bool(const std::string&)>& add) {
    const auto refused = std::find_if_not(theme.titles.begin(), theme.titles.end(), add);
    const int added = static_cast<int>(refused - theme.titles.begin());
    theme.titles.erase(theme.titles.begin(), refused);
    return added;
}

int AddedTitlesTextId(int added) {
    return added == 1 ? IDS_TITLE_ADDED : IDS_TITLES_ADDED;
}

std::string AddedTitlesMessage(std::string_view format, int added) {
    // Three empty lines put the text in the middle of the message window.
    return "\n\n\n" + FillFormat(format, {std::to_string(added)});
}

std::string ThemeLabel(const Theme& theme, std::string_view newFormat,
                       std::string_view noneFormat) {
    const std::size_t count = theme.titles.size();
    if (count == 0) {
        return FillFormat(noneFormat, {theme.name});
    }
    return FillFormat(newFormat, {theme.name, std::to_string(count), count >= 2 ? "s" : ""});
}

}  // namespace blenker
