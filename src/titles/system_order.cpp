#include "titles/system_order.h"

#include <algorithm>
#include <climits>

#include "framework/text.h"
#include "framework/win32.h"

namespace blenker {

namespace {

int Length(std::wstring_view text) {
    return static_cast<int>(std::min<std::size_t>(text.size(), INT_MAX));
}

}  // namespace

int CompareSystemNoCase(std::string_view a, std::string_view b) {
    // CSTR_LESS_THAN, CSTR_EQUAL and CSTR_GREATER_THAN are 1, 2 and 3; 0 is a failure, which
    // only bad arguments cause: the strings then count as equal and keep their places.
    const std::wstring wideA = ToUtf16(a);
    const std::wstring wideB = ToUtf16(b);
    const int result = ::CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, wideA.data(),
                                        Length(wideA), wideB.data(), Length(wideB));
    return result == 0 ? 0 : result - CSTR_EQUAL;
}

std::string SystemSortKey(std::string_view text) {
    constexpr DWORD kFlags = LCMAP_SORTKEY | NORM_IGNORECASE;
    const std::wstring wide = ToUtf16(text);
    const int size =
        ::LCMapStringW(LOCALE_USER_DEFAULT, kFlags, wide.data(), Length(wide), nullptr, 0);
    if (size <= 0) {
        return {};
    }
    std::string key(static_cast<std::size_t>(size), '\0');
    // The sort key is bytes, whatever the function's name says.
    const int made = ::LCMapStringW(LOCALE_USER_DEFAULT, kFlags, wide.data(), Length(wide),
                                    reinterpret_cast<wchar_t*>(key.data()), size);
    // The key ends with a zero byte, which every key has and the order does not need.
    key.resize(made > 0 ? static_cast<std::size_t>(made - 1) : 0);
    return key;
}

}  // namespace blenker
