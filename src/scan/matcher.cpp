#include "scan/matcher.h"

#include <algorithm>
#include <cstring>

#include "titles/title_text.h"

namespace blenker {

bool EntryMatches(std::string_view entry, std::string_view title, bool strict, bool caseSensitive) {
    if (strict) {
        return caseSensitive ? title == entry : EqualNoCase(title, entry);
    }
    return StartsWithFolded(title, entry, caseSensitive);
}

bool SmartBlenkSpares(std::int32_t clientWidth, std::int32_t clientHeight) {
    const std::uint64_t area = std::uint64_t{static_cast<std::uint32_t>(clientWidth)} *
                               static_cast<std::uint32_t>(clientHeight);
    return area > kSmartBlenkMaxArea;
}

TitleMatcher::TitleMatcher() : m_nodes(1), m_first(1) {}

std::uint32_t TitleMatcher::Child(std::uint32_t node, unsigned char byte) const {
    const Node& parent = m_nodes[node];
    if (parent.firstChild == kNone) {
        return kNone;
    }
    const unsigned char* first = m_first.data() + parent.firstChild;
    const void* found = std::memchr(first, byte, parent.childCountLess1 + 1u);
    return found ? parent.firstChild +
                       static_cast<std::uint32_t>(static_cast<const unsigned char*>(found) - first)
                 : kNone;
}

namespace {

// Where the keys a and b, equal up to "from", first differ.
std::size_t SharedLength(std::string_view a, std::string_view b, std::size_t from) {
    std::size_t n = from;
    while (n < a.size() && n < b.size() && a[n] == b[n]) {
        ++n;
    }
    return n;
}

// The keys in their byte order, so that the keys below any node are neighbours, and the longest
// beginning that a run of them shares is the one its first and last share. Without case the
// keys are the folded entries, kept in "folded"; the title list's own order is usually theirs
// already (FoldNoCase's byte order is CompareNoCase's).
std::vector<std::string_view> SortedKeys(const std::vector<std::string>& entries,
                                         bool caseSensitive, std::vector<std::string>& folded) {
    std::vector<std::string_view> keys;
    keys.reserve(entries.size());
    if (caseSensitive) {
        keys.assign(entries.begin(), entries.end());
    } else {
        folded.reserve(entries.size());
        for (const std::string& entry : entries) {
            folded.push_back(FoldNoCase(entry));
        }
        keys.assign(folded.begin(), folded.end());
    }
    if (!std::is_sorted(keys.begin(), keys.end())) {
        std::sort(keys.begin(), keys.end());
    }
    return keys;
}

}  // namespace

void TitleMatcher::Rebuild(const std::vector<std::string>& entries, bool caseSensitive) {
    m_caseSensitive = caseSensitive;
    std::vector<std::string> folded;
    const std::vector<std::string_view> keys = SortedKeys(entries, caseSensitive, folded);
    // Breadth first, from the root, which stands for every key.
    std::vector<Span> spans{{0, static_cast<std::uint32_t>(keys.size()), 0}};
    m_nodes.assign(1, Node{});
    m_first.assign(1, 0);
    m_pool.clear();
    for (std::uint32_t node = 0; node < m_nodes.size(); ++node) {
        AddChildren(node, keys, spans);
    }
    m_nodes.shrink_to_fit();
    m_first.shrink_to_fit();
    m_pool.shrink_to_fit();
}

void TitleMatcher::AddChildren(std::uint32_t node, const std::vector<std::string_view>& keys,
                               std::vector<Span>& spans) {
    auto [first, last, depth] = spans[node];
    while (first < last && keys[first].size() == depth) {
        m_nodes[node].entryEnds = 1;
        ++first;
    }
    const auto firstChild = static_cast<std::uint32_t>(m_nodes.size());
    while (first < last) {
        const auto byte = static_cast<unsigned char>(keys[first][depth]);
        std::uint32_t end = first + 1;
        while (end < last && static_cast<unsigned char>(keys[end][depth]) == byte) {
            ++end;
        }
        const std::size_t length = std::min<std::size_t>(
            SharedLength(keys[first], keys[end - 1], depth) - depth, kMaxEdge);
        Node child;
        child.edgeStart = static_cast<std::uint32_t>(m_pool.size());
        child.edgeLength = static_cast<std::uint32_t>(length);
        for (std::size_t i = depth; i < depth + length; ++i) {
            m_pool.push_back(static_cast<unsigned char>(keys[first][i]));
        }
        m_nodes.push_back(child);
        m_first.push_back(byte);
        spans.push_back({first, end, depth + length});
        first = end;
    }
    if (m_nodes.size() > firstChild) {
        m_nodes[node].firstChild = firstChild;
        m_nodes[node].childCountLess1 = static_cast<std::uint32_t>(m_nodes.size() - firstChild - 1);
    }
}

bool TitleMatcher::Matches(std::string_view title, bool strict) const {
    // The title's bytes as keys, folded as they are read; an entry that ends where the walk
    // stands matches when the walk stands between two characters of the title.
    FoldedBytes text(title, !m_caseSensitive);
    std::uint32_t node = 0;
    for (;;) {
        const Node& here = m_nodes[node];
        if (here.entryEnds && (strict ? text.AtEnd() : text.AtBoundary())) {
            return true;  // an entry is the title, or (not strict) a beginning of it
        }
        if (text.AtEnd()) {
            return false;
        }
        node = Child(node, text.Next());
        if (node == kNone) {
            return false;
        }
        // The edge's first byte chose the child; the rest must follow.
        const Node& next = m_nodes[node];
        const unsigned char* edge = m_pool.data() + next.edgeStart;
        for (std::uint32_t i = 1; i < next.edgeLength; ++i) {
            if (text.AtEnd() || text.Next() != edge[i]) {
                return false;
            }
        }
    }
}

}  // namespace blenker
