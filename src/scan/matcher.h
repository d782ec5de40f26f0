// The matching rules of the scan pass, on plain strings.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace blenker {

// The rule for one entry: with strict set the whole title must equal the entry, otherwise the
// title must begin with it, on whole characters (its first N characters are the entry's N).
// Without case sensitivity both are case folded (Unicode's simple folding, see title_text.h);
// with it nothing folds.
bool EntryMatches(std::string_view entry, std::string_view title, bool strict, bool caseSensitive);

// The largest client area, in square pixels, of a window that "SmartBlenk" still closes
// (a 400 x 400 banner).
constexpr std::uint64_t kSmartBlenkMaxArea = 160000;

// True when a window of this client size is spared under "SmartBlenk". The sizes are taken as
// unsigned numbers, as the client rectangle's right and bottom.
bool SmartBlenkSpares(std::int32_t clientWidth, std::int32_t clientHeight);

// Answers "does any entry of the list match this title?" in a time bounded by the title's
// length, never by the number of entries: the entries are kept in a radix tree (a trie whose
// chains of single children are merged into one edge), walked once along the title. Each edge's
// bytes lie in one shared pool; the children of a node are neighbours, and the first bytes of
// their edges sit side by side, so a step reads one short run of bytes. The index takes about
// the size of the entries themselves. Without case sensitivity the tree holds the case folded
// entries (FoldNoCase) and the title is folded as the walk reads it, byte by byte, so a walk
// reads no more of the title than it follows. Rebuild it whenever the list or the case option
// changes.
class TitleMatcher {
  public:
    TitleMatcher();

    void Rebuild(const std::vector<std::string>& entries, bool caseSensitive);

    bool Matches(std::string_view title, bool strict) const;

    // Memory held by the index.
    std::size_t MemoryBytes() const {
        return m_nodes.capacity() * sizeof(Node) + m_first.capacity() + m_pool.capacity();
    }

  private:
    static constexpr std::uint32_t kNone = 0;  // the root is never a child
    // The longest edge: a longer run of single children becomes a chain of edges.
    static constexpr std::uint32_t kMaxEdge = (1u << 22) - 1;

    struct Node {
        std::uint32_t edgeStart = 0;       // the edge into this node: pool bytes from here
        std::uint32_t firstChild = kNone;  // children: firstChild .. + childCount - 1
        std::uint32_t edgeLength : 22 = 0;
        std::uint32_t entryEnds : 1 = 0;
        std::uint32_t childCountLess1 : 8 = 0;  // up to 256 children, one per byte
    };

    // Each node stands for the keys [first, last) that share their first `depth` characters.
    struct Span {
        std::uint32_t first;
        std::uint32_t last;
        std::size_t depth;
    };

    std::uint32_t Child(std::uint32_t node, unsigned char byte) const;
    // The keys of the node's span that end there mark it; the others split by their next
    // character into children, each reached by the run of characters its keys all share.
    void AddChildren(std::uint32_t node, const std::vector<std::string_view>& keys,
                     std::vector<Span>& spans);

    std::vector<Node> m_nodes;           // breadth first: siblings are neighbours
    std::vector<unsigned char> m_first;  // the first byte of each node's edge
    std::vector<unsigned char> m_pool;   // the edges' bytes, as keys (folded without case)
    bool m_caseSensitive = false;
};

}  // namespace blenker
