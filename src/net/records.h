// The records file: the text format of the two files the program downloads from the maker's
// web site, the release file and the theme titles file.
#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace blenker {

// A table of keyed records read from text (UTF-8: TransferBody::Parse decodes the downloaded
// bytes first).
//
// The text is made of lines, each ending with LF; a CR right before an LF belongs to the line
// end, a CR anywhere else is text, and the last line may lack its LF. A record is a key line,
// whose first character is the marker "@" and whose key is the rest of the line trimmed of
// white space, followed by its value lines: every line up to the next line that begins with
// "@". The value is those lines joined with CR LF, each kept as it is; an empty line is an empty
// piece, so empty lines just before the next key line leave trailing CR LFs. The first line is
// a key line whatever its first character. A later record replaces an earlier one with the same
// key; keys compare exactly.
class Records {
  public:
    using Table = std::map<std::string, std::string, std::less<>>;

    static Records Parse(std::string_view text);

    // The value of the key; the empty text when the text did not carry it.
    const std::string& GetValue(std::string_view key) const;

    std::size_t Size() const { return m_table.size(); }
    const Table& Entries() const { return m_table; }

  private:
    Table m_table;
};

}  // namespace blenker
