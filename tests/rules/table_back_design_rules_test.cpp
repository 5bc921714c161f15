// The back design painted for a stored back number.
#include <gtest/gtest.h>

#include <climits>

#include "table/back_design_rules.h"

namespace quillan {
namespace {

TEST(BackDesignShown, DesignsTheLibraryHasAreKept) {
    for (int32 d = kFirstBackDesign; d <= kLastBackDesign; ++d) {
        EXPECT_EQ(backDesignShown(d, kRummyDefaultBack), d);
        EXPECT_EQ(backDesignShown(d, kPokerDefaultBack), d);
    }
}

TEST(BackDesignShown, AnyOtherNumberPaintsTheGamesDefault) {
    for (const int32 d : {INT_MIN, -43, -1, 0, 20, 51, 52, 66, 70, INT_MAX}) {
        EXPECT_EQ(backDesignShown(d, kRummyDefaultBack), 54) << d;
        EXPECT_EQ(backDesignShown(d, kPokerDefaultBack), 65) << d;
    }
}

} // namespace
} // namespace quillan
