#include <gtest/gtest.h>

#include "common/checked_array.h"
#include "common/int16.h"
#include "common/rounding.h"

using namespace quillan;

TEST(Int16, NarrowingOutsideRangeRaisesOverflow) {
    EXPECT_EQ(checked16(32767), 32767);
    EXPECT_EQ(checked16(-32768), -32768);
    EXPECT_THROW(checked16(32768), ProgramError);
    EXPECT_THROW(add16(32767, 1), ProgramError);
    EXPECT_THROW(sub16(-32768, 1), ProgramError);
    try {
        mul16(300, 300);
        FAIL();
    } catch (const ProgramError& e) {
        EXPECT_STREQ(e.description(), "Overflow");
    }
}

TEST(CheckedArray, BadIndexRaisesSubscriptOutOfRange) {
    FixedArray<int, 11> hand;
    EXPECT_NO_THROW(hand[10] = 3);
    EXPECT_THROW(hand[11], ProgramError);
    EXPECT_THROW(hand[-1], ProgramError);
    GrowArray<int> pile;
    EXPECT_EQ(pile.upperBound(), 0);
    EXPECT_THROW(pile[1], ProgramError);
    pile.resizeKeep(2);
    pile[2] = 7;
    pile.resizeKeep(1);
    EXPECT_EQ(pile.upperBound(), 1);
    pile.resizeKeep(2);
    EXPECT_EQ(pile[2], 0);
}

TEST(Rounding, HalvesGoToEven) {
    EXPECT_EQ(roundToInt(2.5), 2);
    EXPECT_EQ(roundToInt(3.5), 4);
    EXPECT_EQ(roundToInt(52.5), 52);
    EXPECT_EQ(roundToInt(-2.5), -2);
}
