// An icon of the program's resources at a given size (0: the size of the resource's picture).
#pragma once

#include "framework/unique_handle.h"
#include "framework/win32.h"

namespace blenker {

inline UniqueIcon LoadIconResource(int id, int size) {
    return UniqueIcon(
        static_cast<HICON>(::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id),
                                        IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
}

}  // namespace blenker
