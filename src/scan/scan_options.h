// The options of the scan pass, as the settings store holds them: which windows a match closes
// and what is heard when one is asked to close.
#pragma once

#include <string>

#include "store/profile_store.h"

namespace blenker {

// All off when made here; the program's defaults come from the settings table, through
// ReadScanOptions.
struct ScanOptions {
    bool strict = false;         // a title must equal an entry, not only begin with it
    bool caseSensitive = false;  // entries match (and are duplicates) with their case
    bool needBrowser = false;    // only windows whose title names a browser
    bool smartBlenk = false;     // windows larger than a banner are spared
    bool soundOn = false;        // the sound plays at each close request
    std::string soundFile;
    bool removeAppName = false;  // a dragged title loses its application's name
    bool instantBlenk = false;   // a window is tried as soon as it appears, not at the next tick
};

// Every option from the store, each with its default when absent.
ScanOptions ReadScanOptions(ProfileStore& store);

}  // namespace blenker
