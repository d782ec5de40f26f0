// Which control of a settings page shows which of the sheet's values: the tables that a page's
// UpdateData goes through, the values into the controls when the page is made, and back when it
// hands them over.
#pragma once

#include <span>
#include <string>

#include "app/settings/settings_values.h"

namespace blenker {

// A check box: checked for any non-zero value, and 1 or 0 back.
struct CheckField {
    int control;
    int SettingsValues::*value;
};

// A text field: the text as it stands, both ways.
struct TextField {
    int control;
    std::string SettingsValues::*value;
};

// A group of radio buttons, the n-th showing the value n. With none checked (a stored value
// outside the group) the value stays as it was.
struct RadioField {
    std::span<const int> radios;
    int SettingsValues::*value = nullptr;
};

struct PageFields {
    std::span<const CheckField> checks;
    std::span<const TextField> texts;
    RadioField radios;
};

}  // namespace blenker
