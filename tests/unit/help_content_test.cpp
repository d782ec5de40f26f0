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

TEST(HelpContentTest, TheWindowOpensOverTheMainWindowWhollyInsideTheWorkArea) {
    const Size help{590, 349};
    const Rect screen{0, 0, 1280, 1024};
    // Centred while it fits; pushed in from the bottom-right corner and from the top-left one.
    EXPECT_EQ(PlaceHelpWindow({500, 400, 775, 662}, help, screen), (Rect{343, 357, 933, 706}));
    EXPECT_EQ(PlaceHelpWindow({1005, 762, 1280, 1024}, help, screen), (Rect{690, 675, 1280, 1024}));
    EXPECT_EQ(PlaceHelpWindow({-20, -10, 255, 252}, help, screen), (Rect{0, 0, 590, 349}));
    // A second monitor left of the first, its taskbar at the top; an area smaller than the window.
    EXPECT_EQ(PlaceHelpWindow({-300, 50, -25, 312}, help, {-1600, 40, 0, 1200}),
              (Rect{-590, 40, 0, 389}));
    EXPECT_EQ(PlaceHelpWindow({0, 0, 275, 262}, help, {10, 20, 410, 320}),
              (Rect{10, 20, 600, 369}));
}

}  // namespace
}  // namespace blenker
