// The Misc page's own decisions: the sound file dialog's filter, and which colour a colour
// button's pick changes.
#pragma once

#include <string>

#include "app/settings/settings_values.h"

namespace blenker {

// The filter of the sound file dialog from its string table text, whose parts are separated by
// "|": the parts separated by NULs, as the dialog reads them.
std::string SoundFileFilter(std::string tableText);

// A colour picked by the text colour button or the background one: the value it changes, and
// the colours every dialog shows from now on as a preview.
DialogColours PickColour(SettingsValues& values, int button, unsigned long colour);

}  // namespace blenker
