#include "net/theme_status.h"

#include <gtest/gtest.h>

#include "resource.h"

namespace blenker {
namespace {

TEST(ThemeStatusTest, AClickRetrievesAndTheReplyEndsInReadyOrFailed) {
    ThemeUpdateStatus status;
    EXPECT_EQ(status.TextId(), IDS_THEMES_IDLE);
    status.Start();
    EXPECT_EQ(status.TextId(), IDS_THEMES_RETRIEVING);
    // A file of a later format leaves the line as it was.
    status.OnReply(ThemesReply::LaterFormat);
    EXPECT_EQ(status.Current(), ThemeStatus::Retrieving);
    status.OnReply(ThemesReply::Themes);
    EXPECT_EQ(status.Current(), ThemeStatus::Ready);
    EXPECT_EQ(status.TextId(), IDS_THEMES_READY);
    for (const ThemesReply failed : {ThemesReply::TransferFailed, ThemesReply::NoTheme}) {
        status.Start();
        status.OnReply(failed);
        EXPECT_EQ(status.Current(), ThemeStatus::Failed);
        EXPECT_EQ(status.TextId(), IDS_THEMES_FAILED);
    }
}

}  // namespace
}  // namespace blenker
