#include "ui/hand_cursor.h"

#include <string>

#include "framework/unique_handle.h"

namespace blenker {

namespace {

constexpr int kHelpProgramHandCursor = 106;

HCURSOR LoadHandCursor(UniqueIcon& copy) {
    wchar_t path[MAX_PATH + 1] = {};
    const UINT length = ::GetWindowsDirectoryW(path, MAX_PATH);
    if (length > 0 && length < MAX_PATH) {
        const std::wstring helper = std::wstring(path, length) + L"\\winhlp32.exe";
        // Only its resources are wanted: the module is mapped as data and never run.
        const UniqueModule module(
            ::LoadLibraryExW(helper.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
        if (module) {
            if (const HCURSOR cursor =
                    ::LoadCursorW(module.Get(), MAKEINTRESOURCEW(kHelpProgramHandCursor))) {
                copy.Reset(::CopyIcon(cursor));
            }
        }
    }
    if (copy) {
        return copy.Get();
    }
    return ::LoadCursorW(nullptr, IDC_HAND);
}

struct HandCursorSlot {
    UniqueIcon copy;
    HCURSOR cursor = nullptr;
};

HandCursorSlot& SharedHandCursor() {
    static HandCursorSlot slot;
    return slot;
}

}  // namespace

HCURSOR LoadLinkHandCursor() {
    HandCursorSlot& slot = SharedHandCursor();
    if (slot.cursor == nullptr) {
        slot.cursor = LoadHandCursor(slot.copy);
    }
    return slot.cursor;
}

HCURSOR LoadedLinkHandCursor() {
    return SharedHandCursor().cursor;
}

}  // namespace blenker
