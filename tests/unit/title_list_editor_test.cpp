#include "mainwnd/title_list_editor.h"

#include "fake_main_window.h"

namespace blenker {
namespace {

using TitleListEditorTest = MainWindowTest;

TEST_F(TitleListEditorTest, AMissingFileIsAnnouncedAndAFailedSaveSaysWhichFile) {
    editor.Load();
    EXPECT_EQ(controls.box, editor.List().Titles());
    EXPECT_EQ(controls.box.size(), 8u);  // the built-in titles
    site.replaceWorks = false;
    EXPECT_FALSE(editor.Save());
    EXPECT_EQ(site.told, Texts({"made " + site.path + " (" + site.path + ")",
                                "The file '" + site.path + "' couldn't been updated !"}));
}

TEST_F(TitleListEditorTest, AnAddGoesToTheListsPlaceAndIsSavedUnlessHeld) {
    controls.field = "  b  ";
    EXPECT_TRUE(editor.OnCommand(IDC_ADD, 0));
    EXPECT_EQ(controls.field, "");  // taken: the field is emptied
    // A duplicate: neither shown nor saved, the field stays. (Through the setter: GCC 12 warns
    // wrongly about an assignment of a short literal here.)
    controls.SetFieldText("B");
    editor.OnCommand(IDC_ADD, 0);
    EXPECT_EQ(controls.field, "B");
    EXPECT_TRUE(editor.Add("a"));
    editor.HoldSaves(true);
    EXPECT_TRUE(editor.Add("c"));
    EXPECT_EQ(controls.box, Texts({"a", "b", "c"}));
    EXPECT_EQ(site.replaced, Texts({site.path, site.path}));
}

TEST_F(TitleListEditorTest, RemovingDeletesTheSelectedEntriesFromTheHighestDownAndSaves) {
    for (const char* title : {"a", "b", "c", "d"}) {
        editor.Add(title);
    }
    editor.OnCommand(IDC_REMOVE, 0);  // nothing selected: nothing to write
    EXPECT_EQ(site.replaced.size(), 4u);
    controls.selected = {1, 3, 0};
    EXPECT_TRUE(editor.OnCommand(IDC_REMOVE, 0));
    EXPECT_EQ(controls.deleted, std::vector<std::size_t>({3, 1, 0}));
    EXPECT_EQ(controls.box, Texts({"c"}));
    EXPECT_EQ(editor.List().Titles(), Texts({"c"}));
    EXPECT_EQ(site.replaced.size(), 5u);  // the removal is saved at once
    editor.HoldSaves(true);
    controls.selected = {0};
    editor.OnCommand(IDC_REMOVE, 0);
    EXPECT_EQ(site.replaced.size(), 5u);
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

}  // namespace
}  // namespace blenker
