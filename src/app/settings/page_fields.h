// Which control of a settings page shows which of the sheet's values, and the exchange between
// them: the values into the controls when a page is made, and back when it hands them over.
// The page's controls are reached through a small interface, so the rules run without windows.
#pragma once

#include <span>
#include <string>

#include "app/settings/settings_values.h"

namespace blenker {

// The controls of a page, by their ids.
class PageControls {
  public:
    virtual bool IsChecked(int control) const = 0;
    virtual void SetChecked(int control, bool checked) = 0;
    virtual std::string Text(int control) const = 0;
    virtual void SetText(int control, const std::string& text) = 0;

  protected:
    ~PageControls() = default;
};

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

// The values into the controls.
void ShowFields(const PageFields& fields, const SettingsValues& values, PageControls& controls);
// The controls back into the values.
void TakeFields(const PageFields& fields, SettingsValues& values, const PageControls& controls);

}  // namespace blenker
