#include "net/pending_request.h"

#include <gtest/gtest.h>

namespace blenker {
namespace {

// A request whose transfer the test ends by its flag; it counts the requests alive.
struct FakeRequest {
    FakeRequest(const bool& doneFlag, int& aliveCount) : done(doneFlag), alive(aliveCount) {
        ++alive;
    }
    ~FakeRequest() { --alive; }
    bool Done() const { return done; }
    const bool& done;
    int& alive;
};

TEST(PendingRequestTest, OnlyTheDonePendingRequestsReplyCountsOnceAndNoneAfterTheWindowWent) {
    int alive = 0;
    bool firstDone = false;
    bool secondDone = false;
    PendingRequest<FakeRequest> pending;
    pending.Replace(std::make_unique<FakeRequest>(firstDone, alive));
    EXPECT_EQ(pending.TakeReply(), nullptr);  // its transfer still runs
    firstDone = true;
    // A second click: the first request is dropped, its queued message is stale.
    const FakeRequest* second = &pending.Replace(std::make_unique<FakeRequest>(secondDone, alive));
    EXPECT_EQ(alive, 1);
    EXPECT_EQ(pending.TakeReply(), nullptr);
    secondDone = true;
    EXPECT_EQ(pending.TakeReply().get(), second);
    EXPECT_EQ(alive, 0);  // let go once read
    EXPECT_EQ(pending.TakeReply(), nullptr);
    // The window goes with a finished request whose message is still queued.
    pending.Replace(std::make_unique<FakeRequest>(secondDone, alive));
    pending.Drop();
    EXPECT_EQ(alive, 0);  // a download deleted so posts nothing more
    EXPECT_EQ(pending.TakeReply(), nullptr);
}

}  // namespace
}  // namespace blenker
