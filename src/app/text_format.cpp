#include "app/text_format.h"

#include <algorithm>
#include <climits>

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

int ParseDecimal(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = std::min(value * 10 + (text[i] - '0'), 1LL << 32);
    }
    value = negative ? -value : value;
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

}  // namespace blenker
