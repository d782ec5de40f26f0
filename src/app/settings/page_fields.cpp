#include "app/settings/page_fields.h"

namespace blenker {

void ShowFields(const PageFields& fields, const SettingsValues& values, PageControls& controls) {
    for (const TextField& field : fields.texts) {
        controls.SetText(field.control, values.*field.value);
    }
    const std::span<const int> radios = fields.radios.radios;
    for (std::size_t index = 0; index < radios.size(); ++index) {
        controls.SetChecked(radios[index], static_cast<int>(index) == values.*fields.radios.value);
    }
    for (const CheckField& field : fields.checks) {
        controls.SetChecked(field.control, values.*field.value != 0);
    }
}

void TakeFields(const PageFields& fields, SettingsValues& values, const PageControls& controls) {
    for (const TextField& field : fields.texts) {
        values.*field.value = controls.Text(field.control);
    }
    const std::span<const int> radios = fields.radios.radios;
    for (std::size_t index = 0; index < radios.size(); ++index) {
        if (controls.IsChecked(radios[index])) {
            values.*fields.radios.value = static_cast<int>(index);
        }
    }
    for (const CheckField& field : fields.checks) {
        values.*field.value = controls.IsChecked(field.control) ? 1 : 0;
    }
}

}  // namespace blenker
