// Fills a format of the string table: each "%s" or "%d" takes the next argument as it is, "%%" is
// a "%", and a missing argument leaves nothing. The arguments are never read as formats.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace blenker {

std::string FillFormat(std::string_view format, const std::vector<std::string>& arguments);

}  // namespace blenker
