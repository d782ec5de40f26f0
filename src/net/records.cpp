#include "net/records.h"

#include <algorithm>

#include "titles/title_text.h"

namespace blenker {

namespace {

// Takes the next line off the front of "rest"; false when no line is left.
bool NextLine(std::string_view& rest, std::string_view& line) {
    if (rest.empty()) {
        return false;
    }
    const std::size_t end = rest.find('\n');
    if (end == std::string_view::npos) {
        line = rest;
        rest = {};
        return true;
    }
    line = rest.substr(0, end);
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    rest.remove_prefix(end + 1);
    return true;
}

}  // namespace

Records Records::Parse(std::string_view text) {
    Records records;
    std::string* value = nullptr;  // of the record being read; none before the first line
    bool firstPiece = true;
    std::string_view line;
    while (NextLine(text, line)) {
        if (value == nullptr || (!line.empty() && line.front() == '@')) {
            line.remove_prefix(std::min<std::size_t>(1, line.size()));
            value = &(records.m_table[std::string(TrimCSpace(line))] = std::string());
            firstPiece = true;
        } else {
            if (!firstPiece) {
                value->append("\r\n");
            }
            value->append(line);
            firstPiece = false;
        }
    }
    return records;
}

const std::string& Records::GetValue(std::string_view key) const {
    static const std::string kEmpty;
    const auto found = m_table.find(key);
    return found != m_table.end() ? found->second : kEmpty;
}

}  // namespace blenker
