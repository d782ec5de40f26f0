#include "net/transfer_state.h"

#include <gtest/gtest.h>

#include <string>

#include "fake_code_page.h"

namespace blenker {
namespace {

TEST(TransferTest, ABodyPastTheLimitIsRefusedAndOnlyStatus200IsAFile) {
    TransferBody body;
    EXPECT_TRUE(body.Append(std::string(kMaxFileBytes - 1, 'x')));
    EXPECT_TRUE(body.Append("y"));
    EXPECT_FALSE(body.Append("z"));
    EXPECT_EQ(body.Size(), kMaxFileBytes);
    EXPECT_TRUE(IsFileStatus(200));
    EXPECT_FALSE(IsFileStatus(404));
    EXPECT_EQ(CodeOf(DownloadOutcome::Complete).wParam, 1);
    EXPECT_EQ(CodeOf(DownloadOutcome::InternetError).lParam, 1);
    EXPECT_EQ(CodeOf(DownloadOutcome::FileError).lParam, 2);
}

TEST(TransferTest, TheBodyIsReadAsATextFile) {
    // The code page (Latin-1 here), UTF-8 with or without its mark, UTF-16 LE with its mark.
    const std::string bodies[] = {"@Name\r\n\xC9t\xE9\r\n", "@Name\n\xC3\x89t\xC3\xA9\n",
                                  "\xEF\xBB\xBF@Name\n\xC3\x89t\xC3\xA9",
                                  std::string("\xFF\xFE@\0N\0a\0m\0e\0\n\0\xC9\0t\0\xE9\0", 20)};
    for (const std::string& bytes : bodies) {
        TransferBody body;
        ASSERT_TRUE(body.Append(bytes));
        EXPECT_EQ(body.Parse(test::kLatin1).GetValue("Name"), "\xC3\x89t\xC3\xA9");
    }
}

TEST(TransferTest, TheEndIsReportedOnlyToARequestThatStillWaits) {
    int reports = 0;
    const auto report = [&](DownloadOutcome) { ++reports; };
    TransferState waiting;
    EXPECT_EQ(waiting.GetValue("Doc"), "");
    waiting.Finish(DownloadOutcome::Complete, Records::Parse("@Doc\n1\n"), report);
    EXPECT_TRUE(waiting.Succeeded());
    EXPECT_EQ(waiting.GetValue("Doc"), "1");
    EXPECT_EQ(reports, 1);
    TransferState abandoned;
    abandoned.Abandon();
    abandoned.Finish(DownloadOutcome::FileError, Records(), report);
    EXPECT_TRUE(abandoned.Done());
    EXPECT_FALSE(abandoned.Succeeded());
    EXPECT_EQ(reports, 1);
}

}  // namespace
}  // namespace blenker
