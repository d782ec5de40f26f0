#include "ui/hand_cursor.h"

#include <map>
#include <string>

#include "framework/dpi.h"
#include "framework/unique_handle.h"

namespace blenker {

namespace {

constexpr int kHelpProgramHandCursor = 106;

struct HandCursor {
    UniqueIcon copy;  // a cursor made for the program; none for the system's shared one
    HCURSOR cursor = nullptr;
};

HandCursor LoadHandCursor(int dpi) {
    const int width = SystemMetricForDpi(SM_CXCURSOR, dpi);
    const int height = SystemMetricForDpi(SM_CYCURSOR, dpi);
    HandCursor hand;
    wchar_t path[MAX_PATH + 1] = {};
    const UINT length = ::GetWindowsDirectoryW(path, MAX_PATH);
    if (length > 0 && length < MAX_PATH) {
        const std::wstring helper = std::wstring(path, length) + L"\\winhlp32.exe";
        // Only its resources are wanted: the module is mapped as data and never run. The cursor
        // made from them is the program's own and outlives the module.
        const UniqueModule module(
            ::LoadLibraryExW(helper.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
        if (module) {
            hand.copy.Reset(static_cast<HICON>(
                ::LoadImageW(module.Get(), MAKEINTRESOURCEW(kHelpProgramHandCursor), IMAGE_CURSOR,
                             width, height, 0)));
        }
    }
    // At the system's own cursor size the system's shared hand, which follows the user's
    // pointer scheme; at another DPI a copy of it at that DPI's size.
    if (!hand.copy &&
        (width != ::GetSystemMetrics(SM_CXCURSOR) || height != ::GetSystemMetrics(SM_CYCURSOR))) {
        hand.copy.Reset(
            static_cast<HICON>(::LoadImageW(nullptr, IDC_HAND, IMAGE_CURSOR, width, height, 0)));
    }
    hand.cursor = hand.copy ? hand.copy.Get() : ::LoadCursorW(nullptr, IDC_HAND);
    return hand;
}

struct HandCursors {
    std::map<int, HandCursor> byDpi;  // every DPI tried, loaded or not
    bool anyLoaded = false;
};

HandCursors& SharedHandCursors() {
    static HandCursors cursors;
    return cursors;
}

}  // namespace

HCURSOR LoadLinkHandCursor(int dpi) {
    HandCursors& cursors = SharedHandCursors();
    auto [found, added] = cursors.byDpi.try_emplace(dpi);
    if (added) {
        found->second = LoadHandCursor(dpi);
    }
    cursors.anyLoaded = cursors.anyLoaded || found->second.cursor != nullptr;
    return found->second.cursor;
}

HCURSOR LoadedLinkHandCursor(int dpi) {
    return SharedHandCursors().anyLoaded ? LoadLinkHandCursor(dpi) : nullptr;
}

}  // namespace blenker
