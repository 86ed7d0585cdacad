#include "core/about_window.h"

#include <gtest/gtest.h>

using namespace core;

TEST(AboutWindow, IconIsCentredWithTruncatedHalves) {
    EXPECT_EQ(CenteredIconOrigin(32, 32, 32, 32), (TPoint{0, 0}));
    EXPECT_EQ(CenteredIconOrigin(32, 32, 16, 16), (TPoint{8, 8}));
    EXPECT_EQ(CenteredIconOrigin(32, 32, 48, 48), (TPoint{-8, -8}));
    EXPECT_EQ(CenteredIconOrigin(33, 32, 20, 17), (TPoint{6, 7}));
}

TEST(AboutWindow, SnapsToNearEdgesOnly) {
    const TRect work{0, 0, 1024, 738};
    struct Case { TRect in, out; };
    const Case cases[] = {
        {{7, 300, 513, 500}, {0, 300, 506, 500}},          // near the left edge
        {{-9, 300, 497, 500}, {0, 300, 506, 500}},         // a little off screen
        {{520, 3, 1020, 203}, {524, 0, 1024, 200}},        // top right corner
        {{300, 540, 806, 730}, {300, 548, 806, 738}},      // bottom
        {{300, 300, 806, 500}, {300, 300, 806, 500}},      // nowhere near
        {{11, 300, 517, 500}, {11, 300, 517, 500}},        // just beyond the distance
    };
    for (const auto& c : cases) EXPECT_EQ(SnapToEdges(c.in, work, kSnapDistance), c.out);
}

TEST(AboutWindow, IdleRulesForSettingsAndAbout) {
    EXPECT_EQ(IdleCommandStates(false, false), (TCommandStates{true, true, true}));
    EXPECT_EQ(IdleCommandStates(false, true), (TCommandStates{true, false, false}));
    EXPECT_EQ(IdleCommandStates(true, false), (TCommandStates{false, false, false}));
    EXPECT_EQ(IdleCommandStates(true, true), (TCommandStates{false, false, false}));
}
