// The system's ANSI code page, in which earlier releases wrote their text files, for the
// portable readers and writers of those files.
#pragma once

#include "framework/text.h"
#include "titles/text_encoding.h"

namespace blenker {

inline CodePage SystemCodePage() {
    return {&CodePageToUtf8, &Utf8ToCodePage};
}

}  // namespace blenker
