#include "core/selection_sound.h"

#include <gtest/gtest.h>

#include <memory>

using core::TMenuItem;

TEST(SelectionTracker, SoundsOncePerNewlyHighlightedItemAcrossRebuilds) {
    core::TSelectionTracker tracker;
    auto a = std::make_unique<TMenuItem>();
    auto b = std::make_unique<TMenuItem>();
    EXPECT_TRUE(tracker.Select(*a));
    EXPECT_FALSE(tracker.Select(*a)) << "same item twice";
    EXPECT_TRUE(tracker.Select(*b));
    EXPECT_TRUE(tracker.Select(*a)) << "back after another item";
    EXPECT_FALSE(tracker.Select(*a)) << "a later popup of the same menu";

    // A rebuild frees the item; a new one (even at the same address) is a different item.
    a.reset();
    auto rebuilt = std::make_unique<TMenuItem>();
    EXPECT_TRUE(tracker.Select(*rebuilt));
}
