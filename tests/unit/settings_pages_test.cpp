#include <gtest/gtest.h>

#include <map>
#include <string>

#include "app/settings/misc_page_rules.h"
#include "app/settings/page_tables.h"
#include "app/settings/shortcut_place.h"

namespace blenker {
namespace {

// A page's controls as a table of check states and texts.
struct FakeControls : PageControls {
    virtual ~FakeControls() = default;
    bool IsChecked(int control) const override {
        return checks.count(control) && checks.at(control);
    }
    void SetChecked(int control, bool checked) override { checks[control] = checked; }
    std::string Text(int control) const override {
        return texts.count(control) ? texts.at(control) : "";
    }
    void SetText(int control, const std::string& text) override { texts[control] = text; }
    std::map<int, bool> checks;
    std::map<int, std::string> texts;
};

TEST(SettingsPagesTest, TheStartupPageShowsTheStateByItsRadioAndKeepsAStateOutsideThem) {
    SettingsValues values;
    values.initialState = 2;
    values.updateExe = 5;
    FakeControls controls;
    ShowFields(pages::kStartupFields, values, controls);
    EXPECT_EQ(controls.checks, (std::map<int, bool>{{IDC_STARTUP_DISABLED, false},
                                                    {IDC_STARTUP_ENABLED, false},
                                                    {IDC_STARTUP_PREVIOUS, true},
                                                    {IDC_STARTUP_UPDATE, true},
                                                    {IDC_STARTUP_MINIMIZE, false}}));
    values.initialState = 7;
    ShowFields(pages::kStartupFields, values, controls);
    TakeFields(pages::kStartupFields, values, controls);
    EXPECT_EQ(values.initialState, 7);
    EXPECT_EQ(values.updateExe, 1);
    controls.checks[IDC_STARTUP_ENABLED] = true;
    TakeFields(pages::kStartupFields, values, controls);
    EXPECT_EQ(values.initialState, 1);
}

TEST(SettingsPagesTest, TheMiscPageTakesTheSoundFileAndTheColourOfTheButtonPicked) {
    SettingsValues values;
    FakeControls controls;
    controls.texts[IDC_MISC_SOUND_FILE] = "C:\\ding.wav";
    controls.checks[IDC_MISC_SOUND_ON] = true;
    TakeFields(pages::kMiscFields, values, controls);
    EXPECT_EQ(values.soundFile, "C:\\ding.wav");
    EXPECT_EQ(values.soundOn, 1);
    const DialogColours shown = PickColour(values, IDC_MISC_BG_COLOR, 0x123456);
    EXPECT_EQ(values.backgroundColour, 0x123456ul);
    EXPECT_EQ(shown.background, 0x123456ul);
    EXPECT_EQ(PickColour(values, IDC_MISC_TEXT_COLOR, 0xABCDEF).text, 0xABCDEFul);
    EXPECT_EQ(SoundFileFilter("Wave (*.wav)|*.wav|"), std::string("Wave (*.wav)\0*.wav\0", 19));
}

TEST(SettingsPagesTest, AShellFoldersValueIsUsedOnlyAsATextThatFitsWithItsTerminator) {
    const std::string fits(99, 'x');
    EXPECT_EQ(FolderFromValue(true, std::span<const char>(fits.c_str(), 100)), fits);
    EXPECT_EQ(FolderFromValue(true, std::span<const char>(fits)), fits);
    const std::string full(100, 'x');
    EXPECT_EQ(FolderFromValue(true, std::span<const char>(full)), std::nullopt);
    EXPECT_EQ(FolderFromValue(false, std::span<const char>("C:\\D", 5)), std::nullopt);
    EXPECT_EQ(LinkPathIn("C:\\D"), "C:\\D\\The Blenker.lnk");
}

}  // namespace
}  // namespace blenker
