#include "app/app_state.h"

#include <gtest/gtest.h>

#include "memory_profile_store.h"

namespace blenker {
namespace {

TEST(AppStateTest, TheStartNotesThePreviousReleaseAndKeepsTheLanguage) {
    auto owned = std::make_unique<MemoryProfileStore>();
    MemoryProfileStore& store = *owned;
    store.Put("", "Version", std::uint32_t{2004});
    store.Put("Settings", "Language", std::uint32_t{1});
    AppState app;
    app.Start(std::move(owned), {"C:\\Tools\\Blenker.EXE", "2.005", "2005", "m@x", "http://w"});
    EXPECT_EQ(app.m_nPrevRelease, 2004);
    EXPECT_EQ(app.m_nRelease, 2005);
    EXPECT_EQ(store.Find("", "Version"), MemoryProfileStore::Value(std::uint32_t{2005}));
    EXPECT_EQ(app.m_strExePath, "C:\\Tools\\Blenker.exe");
    EXPECT_EQ(app.m_strExeDir, "C:\\Tools\\");
    EXPECT_EQ(app.LangStringId(200), 500);
    app.ToggleLanguage();
    EXPECT_EQ(app.LangStringId(200), 200);
    EXPECT_EQ(store.Find("Settings", "Language"), MemoryProfileStore::Value(std::uint32_t{0}));
}

TEST(AppStateTest, AFirstStartStoresEnglishAndReleaseZeroBefore) {
    auto owned = std::make_unique<MemoryProfileStore>();
    MemoryProfileStore& store = *owned;
    AppState app;
    app.Start(std::move(owned), {"Blenker", "", "2005", "", ""});
    EXPECT_EQ(app.m_nPrevRelease, 0);
    EXPECT_EQ(app.GetLanguage(), 0);
    EXPECT_EQ(store.Find("Settings", "Language"), MemoryProfileStore::Value(std::uint32_t{0}));
}

}  // namespace
}  // namespace blenker
