#include "titles/title_text.h"

#include "titles/case_fold.h"
#include "titles/utf8.h"

namespace blenker {

void FoldedBytes::ReadChar() {
    const Utf8Char c = DecodeUtf8(m_text.substr(m_at));
    m_next = 0;
    if (!c.valid) {
        m_char[0] = static_cast<unsigned char>(m_text[m_at]);
        m_count = 1;
        ++m_at;
        return;
    }
    m_count = static_cast<unsigned char>(EncodeUtf8(m_fold ? FoldCase(c.value) : c.value, m_char));
    m_at += c.length;
}

int CompareNoCase(std::string_view a, std::string_view b) {
    FoldedBytes x(a);
    FoldedBytes y(b);
    for (;;) {
        if (x.AtEnd() || y.AtEnd()) {
            return x.AtEnd() == y.AtEnd() ? 0 : (x.AtEnd() ? -1 : 1);
        }
        const int cx = x.Next();
        const int cy = y.Next();
        if (cx != cy) {
            return cx - cy;
        }
    }
}

std::string FoldNoCase(std::string_view text) {
    std::string folded;
    folded.reserve(text.size());
    FoldedBytes bytes(text);
    while (!bytes.AtEnd()) {
        folded.push_back(static_cast<char>(bytes.Next()));
    }
    return folded;
}

bool StartsWithFolded(std::string_view text, std::string_view prefix, bool caseSensitive) {
    FoldedBytes t(text, !caseSensitive);
    FoldedBytes p(prefix, !caseSensitive);
    while (!p.AtEnd()) {
        if (t.AtEnd() || t.Next() != p.Next()) {
            return false;
        }
    }
    return t.AtBoundary();
}

std::string_view TrimCSpace(std::string_view text) {
    while (!text.empty() && IsCSpace(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsCSpace(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

}  // namespace blenker
