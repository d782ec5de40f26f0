#include "scan/matcher.h"

#include <algorithm>
#include <cstring>

#include "titles/title_text.h"

namespace blenker {

bool EntryMatches(std::string_view entry, std::string_view title, bool strict, bool caseSensitive) {
    if (!strict) {
        if (title.size() < entry.size()) {
            return false;
        }
        title = title.substr(0, entry.size());
    }
    return caseSensitive ? title == entry : EqualNoCase(title, entry);
}

bool SmartBlenkSpares(std::int32_t clientWidth, std::int32_t clientHeight) {
    const std::uint64_t area = std::uint64_t{static_cast<std::uint32_t>(clientWidth)} *
                               static_cast<std::uint32_t>(clientHeight);
    return area > kSmartBlenkMaxArea;
}

TitleMatcher::TitleMatcher() : m_nodes(1), m_first(1) {}

unsigned char TitleMatcher::Key(char c) const {
    const auto byte = static_cast<unsigned char>(c);
    return m_caseSensitive ? byte : AsciiLower(byte);
}

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

// The entries in the order of their keys (the title list already keeps that order when case
// does not count), so that the entries below any node are neighbours, and the longest beginning
// that a run of them shares is the one its first and last share.
std::vector<std::string_view> SortedKeys(const std::vector<std::string>& entries,
                                         bool caseSensitive) {
    std::vector<std::string_view> keys(entries.begin(), entries.end());
    const auto keyLess = [caseSensitive](std::string_view a, std::string_view b) {
        return caseSensitive ? a < b : CompareNoCase(a, b) < 0;
    };
    if (!std::is_sorted(keys.begin(), keys.end(), keyLess)) {
        std::sort(keys.begin(), keys.end(), keyLess);
    }
    return keys;
}

}  // namespace

std::size_t TitleMatcher::SharedLength(std::string_view a, std::string_view b,
                                       std::size_t from) const {
    std::size_t n = from;
    while (n < a.size() && n < b.size() && Key(a[n]) == Key(b[n])) {
        ++n;
    }
    return n;
}

void TitleMatcher::Rebuild(const std::vector<std::string>& entries, bool caseSensitive) {
    m_caseSensitive = caseSensitive;
    const std::vector<std::string_view> keys = SortedKeys(entries, caseSensitive);
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
        const unsigned char byte = Key(keys[first][depth]);
        std::uint32_t end = first + 1;
        while (end < last && Key(keys[end][depth]) == byte) {
            ++end;
        }
        const std::size_t length = std::min<std::size_t>(
            SharedLength(keys[first], keys[end - 1], depth) - depth, kMaxEdge);
        Node child;
        child.edgeStart = static_cast<std::uint32_t>(m_pool.size());
        child.edgeLength = static_cast<std::uint32_t>(length);
        for (std::size_t i = depth; i < depth + length; ++i) {
            m_pool.push_back(Key(keys[first][i]));
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
    std::uint32_t node = 0;
    std::size_t at = 0;
    for (;;) {
        const Node& here = m_nodes[node];
        if (here.entryEnds && (!strict || at == title.size())) {
            return true;  // an entry is the title, or (not strict) a beginning of it
        }
        if (at == title.size()) {
            return false;
        }
        node = Child(node, Key(title[at]));
        if (node == kNone) {
            return false;
        }
        const Node& next = m_nodes[node];
        if (title.size() - at < next.edgeLength) {
            return false;
        }
        const unsigned char* edge = m_pool.data() + next.edgeStart;
        for (std::uint32_t i = 0; i < next.edgeLength; ++i) {
            if (Key(title[at + i]) != edge[i]) {
                return false;
            }
        }
        at += next.edgeLength;
    }
}

}  // namespace blenker
