// The matching rules of the scan pass, on plain strings.
#pragma once

#include <cstddef>
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

// Answers "does any entry of the list match this title?" in a time bounded by the title's
// length, never by the number of entries: the entries are kept in a trie, walked once along the
// title. The children of a node are stored side by side, their bytes in one run of m_labels,
// so a step reads one short run of bytes. Rebuild it whenever the list or the case option
// changes.
class TitleMatcher {
  public:
    TitleMatcher();

    void Rebuild(const std::vector<std::string>& entries, bool caseSensitive);

    bool Matches(std::string_view title, bool strict) const;

    // Memory held by the index.
    std::size_t MemoryBytes() const {
        return m_nodes.capacity() * sizeof(Node) + m_labels.capacity();
    }

  private:
    static constexpr std::uint32_t kNone = 0;  // the root is never a child

    struct Node {
        std::uint32_t firstChild = 0;  // children are the nodes firstChild .. + childCount - 1
        std::uint16_t childCount = 0;
        bool entryEnds = false;
    };

    unsigned char Key(char c) const;
    std::uint32_t Child(std::uint32_t node, unsigned char byte) const;

    std::vector<Node> m_nodes;            // breadth first: siblings are neighbours
    std::vector<unsigned char> m_labels;  // the byte leading to each node
    bool m_caseSensitive = false;
};

}  // namespace blenker
