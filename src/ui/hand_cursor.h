// The hand cursor that every link of the process shows: loaded once for each DPI that a link is
// shown at, on first need, at that DPI's cursor size, and kept for the life of the process.
#pragma once

#include "framework/win32.h"

namespace blenker {

// Loads the cursor for this DPI unless it is loaded already: the help program's hand where it
// still exists, else the system's own. Null when none could be loaded.
HCURSOR LoadLinkHandCursor(int dpi);
// Null while no link has loaded a hand cursor; once one has, the hand for this DPI.
HCURSOR LoadedLinkHandCursor(int dpi);

}  // namespace blenker
