#include "ui/help_content.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace blenker {
namespace {

TEST(HelpContentTest, EveryPictureAndLabelIsThereOnce) {
    std::set<int> controls{IDC_HELP_TEXT, IDC_HELP_GROUP, IDC_HELP_CLOSE, IDC_HELP_TITLE};
    std::set<int> bitmaps;
    std::set<int> texts;
    for (const HelpPicture& picture : kHelpPictures) {
        EXPECT_TRUE(controls.insert(picture.button).second) << picture.button;
        EXPECT_TRUE(controls.insert(picture.label).second) << picture.label;
        EXPECT_TRUE(bitmaps.insert(picture.upBitmap).second) << picture.button;
        EXPECT_NE(picture.pressedBitmap, picture.upBitmap) << picture.button;
        EXPECT_TRUE(texts.insert(picture.text).second) << picture.button;
    }
    EXPECT_FALSE(controls.contains(0));
    EXPECT_FALSE(bitmaps.contains(0));
    EXPECT_FALSE(texts.contains(0));
}

TEST(HelpContentTest, AnyLanguageButEnglishIsFrench) {
    EXPECT_EQ(std::string(HelpTextsIn(0).title), "How to use The Blenker");
    EXPECT_EQ(std::string(HelpTextsIn(1).group), "Signification des bouttons");
    EXPECT_EQ(HelpTextsIn(2).text, HelpTextsIn(1).text);
    EXPECT_NE(HelpTextsIn(0).text, HelpTextsIn(1).text);
}

}  // namespace
}  // namespace blenker
