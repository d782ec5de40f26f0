#include "mainwnd/tray_menu.h"

#include <gtest/gtest.h>

#include "resource.h"

namespace blenker {
namespace {

TEST(TrayMenuTest, ItemsFollowTheWindowAndTheScan) {
    struct Case {
        TrayMenuState state;
        std::array<TrayMenuItem, 3> items;
    };
    const TrayMenuItem exit{1, IDS_TRAY_EXIT, false};
    const Case cases[] = {
        {{false, true}, {{{1025, IDS_TRAY_ENABLED, true}, {1026, IDS_TRAY_MINIMIZE, false}, exit}}},
        {{false, false},
         {{{1025, IDS_TRAY_ENABLED, false}, {1026, IDS_TRAY_MINIMIZE, false}, exit}}},
        {{true, true}, {{{1025, IDS_TRAY_ENABLED, true}, {1027, IDS_TRAY_OPEN, false}, exit}}},
        {{true, false}, {{{1025, IDS_TRAY_ENABLED, false}, {1027, IDS_TRAY_OPEN, false}, exit}}},
    };
    for (const Case& c : cases) {
        const auto items = TrayMenuItems(c.state);
        for (std::size_t i = 0; i < items.size(); ++i) {
            EXPECT_EQ(items[i], c.items[i])
                << "hidden " << c.state.hidden << " scanning " << c.state.scanning << " item " << i;
        }
    }
}

}  // namespace
}  // namespace blenker
