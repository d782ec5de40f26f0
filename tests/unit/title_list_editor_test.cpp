#include "mainwnd/title_list_editor.h"
#include "fake_main_window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resource.h"

namespace blenker {
namespace {

struct TitleListEditorTest : testing::Test {
    FakeTitleControls controls;
    FakeTitleSite site;
    TitleFileKeeper file{[](const std::string&) { return ReadBytesFn(); }, site};
    TitleListEditor editor{{}, controls, file};
};

TEST_F(TitleListEditorTest, AMissingFileIsAnnouncedAndTheBuiltinTitlesShow) {
    editor.Load();
    EXPECT_EQ(site.told, Texts({"made " + site.path + " (" + site.path + ")"}));
    ASSERT_EQ(controls.box.size(), 8u);
    EXPECT_EQ(controls.box, editor.List().Titles());
}

TEST_F(TitleListEditorTest, AnAddGoesToTheListsPlaceAndIsSavedUnlessHeld) {
    EXPECT_TRUE(editor.Add("  b  "));
    EXPECT_TRUE(editor.Add("a"));
    EXPECT_EQ(controls.box, Texts({"a", "b"}));
    EXPECT_EQ(site.replaced.size(), 2u);
    EXPECT_FALSE(editor.Add("B"));  // a duplicate: neither shown nor saved
    editor.HoldSaves(true);
    EXPECT_TRUE(editor.Add("c"));
    EXPECT_EQ(controls.box, Texts({"a", "b", "c"}));
    EXPECT_EQ(site.replaced, Texts({site.path, site.path}));
}

TEST_F(TitleListEditorTest, TheAddButtonEmptiesTheFieldOnlyWhenTheTitleWasTaken) {
    controls.field = "The Blenker 2";  // the program's own name is refused
    EXPECT_TRUE(editor.OnCommand(IDC_ADD, 0));
    EXPECT_EQ(controls.field, "The Blenker 2");
    controls.field = "popup";
    editor.OnCommand(IDC_ADD, 0);
    EXPECT_EQ(controls.field, "");
    EXPECT_EQ(controls.box, Texts({"popup"}));
}

TEST_F(TitleListEditorTest, RemovingDeletesTheSelectedEntriesFromTheHighestDown) {
    for (const char* title : {"a", "b", "c", "d"}) {
        editor.Add(title);
    }
    controls.selected = {1, 3, 0};
    EXPECT_TRUE(editor.OnCommand(IDC_REMOVE, 0));
    EXPECT_EQ(controls.deleted, std::vector<std::size_t>({3, 1, 0}));
    EXPECT_EQ(controls.box, Texts({"c"}));
    EXPECT_EQ(editor.List().Titles(), Texts({"c"}));
    EXPECT_EQ(site.replaced.size(), 4u);  // removing writes no file
}

TEST_F(TitleListEditorTest, ASelectionShowsItsEntryInTheField) {
    editor.Add("a");
    editor.Add("b");
    controls.current = 1;
    EXPECT_TRUE(editor.OnCommand(IDC_TITLE_LIST, kListSelectionChanged));
    EXPECT_EQ(controls.field, "b");
    controls.field = "typed";
    controls.current = 2;  // no such entry
    editor.OnCommand(IDC_TITLE_LIST, kListSelectionChanged);
    controls.current = 0;
    editor.OnCommand(IDC_TITLE_LIST, kListSelectionChanged + 1);
    EXPECT_EQ(controls.field, "typed");
    EXPECT_FALSE(editor.OnCommand(IDC_ENABLE, 0));
}

TEST_F(TitleListEditorTest, AFailedSaveSaysWhichFile) {
    site.replaceWorks = false;
    editor.HoldSaves(true);
    editor.Add("a");
    EXPECT_FALSE(editor.Save());
    EXPECT_EQ(site.told, Texts({"The file '" + site.path + "' couldn't been updated !"}));
}

}  // namespace
}  // namespace blenker
