#include "framework/system_order.h"

#include <algorithm>
#include <climits>

#include "framework/win32.h"

namespace blenker {

int CompareSystemNoCase(std::string_view a, std::string_view b) {
    const auto length = [](std::string_view text) {
        return static_cast<int>(std::min<std::size_t>(text.size(), INT_MAX));
    };
    // CSTR_LESS_THAN, CSTR_EQUAL and CSTR_GREATER_THAN are 1, 2 and 3; 0 is a failure, which
    // only bad arguments cause: the strings then count as equal and keep their places.
    const int result = ::CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), length(a),
                                        b.data(), length(b));
    return result == 0 ? 0 : result - CSTR_EQUAL;
}

}  // namespace blenker
