#include "app/settings/misc_page_rules.h"

#include <algorithm>

#include "resource.h"

namespace blenker {

std::string SoundFileFilter(std::string tableText) {
    std::replace(tableText.begin(), tableText.end(), '|', '\0');
    return tableText;
}

DialogColours PickColour(SettingsValues& values, int button, unsigned long colour) {
    (button == IDC_MISC_TEXT_COLOR ? values.textColour : values.backgroundColour) = colour;
    return {values.backgroundColour, values.textColour};
}

}  // namespace blenker
