#include "framework/fill_format.h"

namespace blenker {

std::string FillFormat(std::string_view format, const std::vector<std::string>& arguments) {
    std::string text;
    std::size_t next = 0;
    for (std::size_t i = 0; i < format.size(); ++i) {
        const char c = format[i];
        const char kind = i + 1 < format.size() ? format[i + 1] : '\0';
        if (c != '%' || (kind != 's' && kind != 'd' && kind != '%')) {
            text += c;
            continue;
        }
        ++i;
        if (kind == '%') {
            text += '%';
        } else if (next < arguments.size()) {
            text += arguments[next++];
        }
    }
    return text;
}

}  // namespace blenker
