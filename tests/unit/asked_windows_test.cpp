#include "scan/asked_windows.h"

#include <gtest/gtest.h>

#include <map>

namespace blenker {
namespace {

TEST(AskedWindowsTest, ForgetsRenamedAndGoneWindowsAndKeepsTheNewestWithinItsBound) {
    AskedWindows asked;
    for (WindowRef window = 0; window <= AskedWindows::kCapacity; ++window) {
        asked.Remember(window, "Ad");
    }
    EXPECT_EQ(asked.Size(), AskedWindows::kCapacity);
    EXPECT_FALSE(asked.Asked(0, "Ad"));  // the one asked longest ago went
    EXPECT_TRUE(asked.Asked(1, "Ad"));
    EXPECT_FALSE(asked.Asked(1, "Ad 2"));
    asked.Remember(1, "Ad 2");  // asked again under a new title: one entry still
    EXPECT_EQ(asked.Size(), AskedWindows::kCapacity);

    // Window 2 was renamed, every other one is gone but 1, which still has its title.
    const std::map<WindowRef, std::string> now{{1, "Ad 2"}, {2, "Other"}};
    asked.ForgetChanged([&](WindowRef window) {
        const auto found = now.find(window);
        return found == now.end() ? std::string() : found->second;
    });
    EXPECT_EQ(asked.Size(), 1u);
    EXPECT_TRUE(asked.Asked(1, "Ad 2"));
}

}  // namespace
}  // namespace blenker
