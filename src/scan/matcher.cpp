#include "scan/matcher.h"

#include <cstring>
#include <map>

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

    // First a plain trie, each node with a map of its children...
    struct Draft {
        std::map<unsigned char, std::uint32_t> children;
        bool entryEnds = false;
    };
    std::vector<Draft> drafts(1);
    for (const std::string& entry : entries) {
        std::uint32_t node = 0;
        for (char c : entry) {
            const auto [child, added] = drafts[node].children.try_emplace(
                Key(c), static_cast<std::uint32_t>(drafts.size()));
            if (added) {
                drafts.emplace_back();
            }
            node = child->second;
        }
        drafts[node].entryEnds = true;
    }

    // ...then laid out breadth first, so that the children of a node are neighbours.
    m_nodes.assign(drafts.size(), Node{});
    m_labels.assign(drafts.size(), 0);
    std::vector<std::uint32_t> order{0};  // draft index of each laid-out node
    order.reserve(drafts.size());
    for (std::uint32_t placed = 0; placed < order.size(); ++placed) {
        const Draft& draft = drafts[order[placed]];
        Node& node = m_nodes[placed];
        node.entryEnds = draft.entryEnds;
        node.firstChild = static_cast<std::uint32_t>(order.size());
        node.childCount = static_cast<std::uint16_t>(draft.children.size());
        for (const auto& [byte, child] : draft.children) {
            m_labels[order.size()] = byte;
            order.push_back(child);
        }
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
