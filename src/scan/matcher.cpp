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

bool NamesBrowser(std::string_view title) {
    for (std::string_view browser :
         {"- Netscape", "- Internet Explorer", "- Microsoft Internet Explorer"}) {
        if (title.find(browser) != std::string_view::npos) {
            return true;
        }
    }
    return false;
}

bool SmartBlenkSpares(std::int32_t clientWidth, std::int32_t clientHeight) {
    const std::uint64_t area = std::uint64_t{static_cast<std::uint32_t>(clientWidth)} *
                               static_cast<std::uint32_t>(clientHeight);
    return area > kSmartBlenkMaxArea;
}

TitleMatcher::TitleMatcher() : m_nodes(1), m_labels(1) {}

unsigned char TitleMatcher::Key(char c) const {
    const auto byte = static_cast<unsigned char>(c);
    return m_caseSensitive ? byte : AsciiLower(byte);
}

std::uint32_t TitleMatcher::Child(std::uint32_t node, unsigned char byte) const {
    const Node& parent = m_nodes[node];
    const unsigned char* first = m_labels.data() + parent.firstChild;
    const void* found = std::memchr(first, byte, parent.childCount);
    return found ? parent.firstChild +
                       static_cast<std::uint32_t>(static_cast<const unsigned char*>(found) - first)
                 : kNone;
}

void TitleMatcher::Rebuild(const std::vector<std::string>& entries, bool caseSensitive) {
    m_caseSensitive = caseSensitive;

    // The entries in the order of their keys (the title list already keeps that order when
    // case does not count), so that the entries below any node of the trie are neighbours.
    std::vector<std::string_view> keys(entries.begin(), entries.end());
    const auto keyLess = [caseSensitive](std::string_view a, std::string_view b) {
        return caseSensitive ? a < b : CompareNoCase(a, b) < 0;
    };
    if (!std::is_sorted(keys.begin(), keys.end(), keyLess)) {
        std::sort(keys.begin(), keys.end(), keyLess);
    }

    // Breadth first: each node stands for the keys [first, last) that share its depth first
    // characters; the shorter keys end there, the others split into children by their next
    // character. Every character of every key is read once.
    struct Span {
        std::uint32_t first;
        std::uint32_t last;
        std::uint32_t depth;
    };
    std::vector<Span> spans{{0, static_cast<std::uint32_t>(keys.size()), 0}};
    m_nodes.assign(1, Node{});
    m_labels.assign(1, 0);
    for (std::uint32_t node = 0; node < m_nodes.size(); ++node) {
        auto [first, last, depth] = spans[node];
        while (first < last && keys[first].size() == depth) {
            m_nodes[node].entryEnds = true;
            ++first;
        }
        const auto firstChild = static_cast<std::uint32_t>(m_nodes.size());
        while (first < last) {
            const unsigned char byte = Key(keys[first][depth]);
            std::uint32_t end = first + 1;
            while (end < last && Key(keys[end][depth]) == byte) {
                ++end;
            }
            m_nodes.emplace_back();
            m_labels.push_back(byte);
            spans.push_back({first, end, depth + 1});
            first = end;
        }
        m_nodes[node].firstChild = firstChild;
        m_nodes[node].childCount = static_cast<std::uint16_t>(m_nodes.size() - firstChild);
    }
}

bool TitleMatcher::Matches(std::string_view title, bool strict) const {
    std::uint32_t node = 0;
    for (char c : title) {
        if (!strict && m_nodes[node].entryEnds) {
            return true;  // an entry is a beginning of the title
        }
        node = Child(node, Key(c));
        if (node == kNone) {
            return false;
        }
    }
    return m_nodes[node].entryEnds;
}

}  // namespace blenker
