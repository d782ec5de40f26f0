// The matching rules of the scan pass, on plain strings.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace blenker {

// The rule for one entry: with strict set the whole title must equal the entry, otherwise the
// title must begin with it; without case sensitivity only A to Z fold.
bool EntryMatches(std::string_view entry, std::string_view title, bool strict, bool caseSensitive);

// True when the title carries a browser's name ("- Netscape", "- Internet Explorer",
// "- Microsoft Internet Explorer"), searched with case.
bool NamesBrowser(std::string_view title);

// The largest client area, in square pixels, of a window that "SmartBlenk" still closes
// (a 400 x 400 banner).
constexpr std::uint64_t kSmartBlenkMaxArea = 160000;

// True when a window of this client size is spared under "SmartBlenk". The sizes are taken as
// unsigned numbers, as the client rectangle's right and bottom.
bool SmartBlenkSpares(std::int32_t clientWidth, std::int32_t clientHeight);

// Answers "does any entry of the list match this title?" in a time that depends on the title's
// length only, never on the number of entries: the entries are kept in a trie, walked once
// along the title. Rebuild it whenever the list or the case option changes.
class TitleMatcher {
public:
    TitleMatcher();

    void Rebuild(const std::vector<std::string>& entries, bool caseSensitive);

    bool Matches(std::string_view title, bool strict) const;

private:
    static constexpr std::uint32_t kNone = 0;  // the root is never a child, so 0 ends a chain

    struct Node {
        std::uint32_t firstChild = kNone;
        std::uint32_t nextSibling = kNone;
        unsigned char byte = 0;
        bool entryEnds = false;
    };

    unsigned char Key(char c) const;
    std::uint32_t Child(std::uint32_t node, unsigned char byte) const;

    std::vector<Node> m_nodes;
    bool m_caseSensitive = false;
};

}  // namespace blenker
