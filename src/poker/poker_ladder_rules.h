#pragma once
// The Video Poker ladder: 21 numbered categories that name a finished hand (and decide its
// payout) and, for a dealt hand, the best way to play it. Category c is shown by label c - 1
// of the strategy/pay column, top to bottom, so the numbers 1..21 are fixed.
//
// This header holds what the column needs: the category numbers, the label captions, how
// many cards each category keeps (CardsToHand) and the colours of the column.

#include <array>
#include <cstdint>
#include <string_view>

#include "common/int16.h"

namespace quillan {

// Category numbers, best first. kFourToRoyal and kFourToStraightFlush only come out of
// dealt-hand mode; every category from kThreeToRoyal down pays nothing.
enum PokerCategory : int16 {
    kRoyal = 1,
    kStraightFlush = 2,
    kFourOfAKind = 3,
    kFullHouse = 4,
    kFourToRoyal = 5,
    kFlush = 6,
    kStraight = 7,
    kThreeOfAKind = 8,
    kFourToStraightFlush = 9,
    kTwoPair = 10,
    kHighPair = 11,
    kThreeToRoyal = 12,
    kFourToFlush = 13,
    kLowPair = 14,
    kFourToOutsideStraight = 15,
    kTwoHighSuited = 16,
    kThreeToStraightFlush = 17,
    kTwoHigh = 18,
    kSuitedTenFace = 19,
    kOneHigh = 20,
    kAllTrash = 21,
};

inline constexpr int16 kFirstCategory = kRoyal;
inline constexpr int16 kLastCategory = kAllTrash;
inline constexpr int kCategoryCount = 21;

// Caption of the label for `category` (1..21), exactly as the column shows it, trailing and
// inner blanks included ("Royal ", "4 To Outside  Straight"). Empty for any other number.
std::string_view pokerLabelCaption(int category);

// How many cards the category keeps: 5 for made hands, 4 for four-card draws, 2 for pairs, ...
// Any category outside 1..20 (All Trash, 0, negative) keeps 0.
int16 CardsToHand(int16 category);

// Colours of the column as 0xRRGGBB.
struct LabelLook {
    std::uint32_t back;
    std::uint32_t text;
    bool systemText; // true: use the system's window-text colour instead of `text`
};
inline constexpr std::uint32_t kBlackText = 0x000000;
inline constexpr std::uint32_t kBestPlayBack = 0xFFC0C0;  // best play shown at the deal
inline constexpr std::uint32_t kWrongPlayBack = 0xFF0000; // refused hold: the right play
// Resting look of label `index` (0..20): even labels grey with white text, odd labels light
// grey with the system text colour.
LabelLook restingLabelLook(int index);

} // namespace quillan
