// Texts of the string table: the filler of its formats and the reader of its numbers.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace blenker {

// Fills a format: each "%s" or "%d" takes the next argument as it is, "%%" is a "%", and a
// missing argument leaves nothing. The arguments are never read as formats.
std::string FillFormat(std::string_view format, const std::vector<std::string>& arguments);

// The number at the start of a text as "%d" reads it: leading white space, an optional sign,
// digits; 0 when there are none; held to the int range.
int ParseDecimal(std::string_view text);

}  // namespace blenker
