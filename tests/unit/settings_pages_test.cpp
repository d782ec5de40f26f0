#include <gtest/gtest.h>

#include <string>

#include "app/settings/misc_page_rules.h"
#include "resource.h"
#include "app/settings/shortcut_place.h"

namespace blenker {
namespace {

TEST(SettingsPagesTest, TheMiscPageTakesTheColourOfTheButtonPicked) {
    SettingsValues values;
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
