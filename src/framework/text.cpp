#include "framework/text.h"

#include <climits>

#include "framework/win32.h"

namespace blenker {

namespace {

int Length(std::size_t size) {
    return size > INT_MAX ? INT_MAX : static_cast<int>(size);
}

std::wstring Widen(UINT codePage, std::string_view bytes) {
    if (bytes.empty()) {
        return {};
    }
    const int size =
        ::MultiByteToWideChar(codePage, 0, bytes.data(), Length(bytes.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size > 0 ? size : 0), L'\0');
    if (size > 0) {
        ::MultiByteToWideChar(codePage, 0, bytes.data(), Length(bytes.size()), wide.data(), size);
    }
    return wide;
}

// No "best fit": a character the code page lacks must show as lost, not as a look-alike.
std::string Narrow(UINT codePage, std::wstring_view wide, BOOL* lost) {
    if (wide.empty()) {
        return {};
    }
    const DWORD flags = codePage == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
    const int size = ::WideCharToMultiByte(codePage, flags, wide.data(), Length(wide.size()),
                                           nullptr, 0, nullptr, lost);
    std::string bytes(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
    if (size > 0) {
        ::WideCharToMultiByte(codePage, flags, wide.data(), Length(wide.size()), bytes.data(), size,
                              nullptr, lost);
    }
    return bytes;
}

}  // namespace

std::wstring ToUtf16(std::string_view utf8) {
    return Widen(CP_UTF8, utf8);
}

std::string ToUtf8(std::wstring_view utf16) {
    return Narrow(CP_UTF8, utf16, nullptr);
}

std::string CodePageToUtf8(std::string_view bytes) {
    return ToUtf8(Widen(CP_ACP, bytes));
}

std::optional<std::string> Utf8ToCodePage(std::string_view utf8) {
    const std::wstring wide = ToUtf16(utf8);
    BOOL lost = FALSE;
    std::string bytes = Narrow(CP_ACP, wide, &lost);
    // Checked both ways: a code page may map several characters to one byte.
    if (lost || Widen(CP_ACP, bytes) != wide) {
        return std::nullopt;
    }
    return bytes;
}

}  // namespace blenker
