#include "scan/matcher.h"

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

TitleMatcher::TitleMatcher() : m_nodes(1) {}

unsigned char TitleMatcher::Key(char c) const {
    const auto byte = static_cast<unsigned char>(c);
    return m_caseSensitive ? byte : AsciiLower(byte);
}

std::uint32_t TitleMatcher::Child(std::uint32_t node, unsigned char byte) const {
    for (std::uint32_t child = m_nodes[node].firstChild; child != kNone;
         child = m_nodes[child].nextSibling) {
        if (m_nodes[child].byte == byte) {
            return child;
        }
    }
    return kNone;
}

void TitleMatcher::Rebuild(const std::vector<std::string>& entries, bool caseSensitive) {
    m_caseSensitive = caseSensitive;
    m_nodes.assign(1, Node{});
    for (const std::string& entry : entries) {
        std::uint32_t node = 0;
        for (char c : entry) {
            const unsigned char byte = Key(c);
            std::uint32_t child = Child(node, byte);
            if (child == kNone) {
                child = static_cast<std::uint32_t>(m_nodes.size());
                Node added;
                added.byte = byte;
                added.nextSibling = m_nodes[node].firstChild;
                m_nodes.push_back(added);
                m_nodes[node].firstChild = child;
            }
            node = child;
        }
        m_nodes[node].entryEnds = true;
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
