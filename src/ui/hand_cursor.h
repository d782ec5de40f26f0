// The hand cursor that every link of the process shows: loaded once, on first need, and kept
// for the life of the process.
#pragma once

#include "framework/win32.h"

namespace blenker {

// Loads the cursor unless it is loaded already: the help program's hand where it still exists,
// else the system's own. Null when none could be loaded.
HCURSOR LoadLinkHandCursor();
// The cursor once a link has loaded it, null before.
HCURSOR LoadedLinkHandCursor();

}  // namespace blenker
