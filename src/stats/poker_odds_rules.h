#pragma once
// What this machine's pay table returns under optimal play: how often each final hand comes
// up and the return on the bet that follows from the payouts (4000, 250, 125, 45, 30, 20, 15,
// 10 and 5 on the bet of 5: "9/6 Jacks or Better").
//
// The probabilities are produced by the whole-game analysis tool (tools/poker_whole_game,
// "Finished hands under the best play"): every one of the 2,598,960 deals, each played by the
// hold of the highest expected return. The program's own strategy ladder is simpler, so a
// record kept with it falls a little short of these shares and of the return (the same tool
// puts the ladder's return at 99.33%).

#include <array>

#include "poker/poker_ladder_rules.h"

namespace quillan {

inline constexpr double kOddsRoyal = 0.0000247583;
inline constexpr double kOddsStraightFlush = 0.0001093091;
inline constexpr double kOddsFourOfAKind = 0.0023625457;
inline constexpr double kOddsFullHouse = 0.0115122073;
inline constexpr double kOddsFlush = 0.0110145110;
inline constexpr double kOddsStraight = 0.0112293672;
inline constexpr double kOddsThreeOfAKind = 0.0744486986;
inline constexpr double kOddsTwoPair = 0.1292789025;
inline constexpr double kOddsHighPair = 0.2145850311; // jacks or better
inline constexpr double kOddsNoWin = 0.5454346692;    // categories 12 to 21 together

// The return on the bet these shares give: 99.54%.
inline constexpr double kTheoreticalReturn = 0.9954390437;

// The final hands as the record shows them: the nine paying categories, best first, and one
// group for every hand that pays nothing (categories 12 to 21).
inline constexpr int kFinalGroupCount = 10;
inline constexpr int kNoWinGroup = kFinalGroupCount - 1;

struct FinalGroup {
    int category; // the ladder's category; 0 for the no-win group
    double odds;  // its share of final hands under optimal play
};

inline constexpr std::array<FinalGroup, kFinalGroupCount> kFinalGroups{{
    {kRoyal, kOddsRoyal},
    {kStraightFlush, kOddsStraightFlush},
    {kFourOfAKind, kOddsFourOfAKind},
    {kFullHouse, kOddsFullHouse},
    {kFlush, kOddsFlush},
    {kStraight, kOddsStraight},
    {kThreeOfAKind, kOddsThreeOfAKind},
    {kTwoPair, kOddsTwoPair},
    {kHighPair, kOddsHighPair},
    {0, kOddsNoWin},
}};

// The group of a final category (1..21): its place in kFinalGroups; -1 for numbers off the
// ladder and for the dealt-hand-only categories, which no final hand has.
int finalGroupOf(int category);

} // namespace quillan
