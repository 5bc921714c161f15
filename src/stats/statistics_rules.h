#pragma once
// The record of play kept across runs, and the counting that fills it: Gin Rummy per rule
// variant (hands won and lost by knock, gin and undercut, ties, points, the longest winning
// streak) and Video Poker (credits bet and won, final hands by kind, the longest perfect-play
// run, the wrong holds the advisor refused by the rung that was the right play). Every count
// stops at kMaxCount, so a record can always be written and read back.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "rummy/knock_rules.h"
#include "rummy/scoring_rules.h"
#include "stats/poker_odds_rules.h"

namespace quillan {

using Count = std::int64_t;
inline constexpr Count kMaxCount = 999'999'999'999'999;

// How a Gin Rummy hand ended for the player. An undercut is won by the defender.
enum class RummyResult {
    WonByKnock,
    WonByGin,
    WonByUndercut, // the computer knocked and was undercut
    LostByKnock,
    LostByGin,
    LostByUndercut, // the player knocked and was undercut
    Tie,
};
inline constexpr int kRummyResultCount = 7;
inline constexpr int kRummyVariantCount = 3; // Simple, Standard, Oklahoma
// The computer's levels the record keeps apart, all variants together: Standard, Strong,
// Expert.
inline constexpr int kOpponentLevelCount = 3;
inline constexpr std::array<const char*, kOpponentLevelCount> kOpponentLevelKeys{
    "standard", "strong", "expert"};
// The level's place in kOpponentLevelKeys, or -1.
int opponentLevelIndex(std::string_view level);

struct RummyRecord {
    std::array<Count, kRummyResultCount> hands{}; // by RummyResult
    Count pointsWon = 0;                          // the totals of the hands won
    Count pointsLost = 0; // the totals of the hands lost (an undercut's penalty included)
    Count currentStreak = 0;
    Count longestStreak = 0;

    Count byResult(RummyResult r) const { return hands[static_cast<std::size_t>(r)]; }
    Count played() const;
    Count won() const;
    Count lost() const;
    Count ties() const { return byResult(RummyResult::Tie); }
    bool operator==(const RummyRecord&) const = default;
};

struct RummyHand {
    RummyResult result = RummyResult::Tie;
    int points = 0; // the hand's total, as a positive number
};

// The player's result of a hand scored on the panel.
RummyHand rummyHandOf(const ScorePanel& panel);

// Counts one hand: a won hand extends the winning streak, any other hand ends it.
void recordRummyHand(RummyRecord& record, const RummyHand& hand);

struct PokerRecord {
    std::array<Count, kFinalGroupCount> finalHands{}; // by group of kFinalGroups
    Count creditsBet = 0;
    Count creditsWon = 0;
    Count longestRun = 0;                        // perfectly played hands in a row
    std::array<Count, kCategoryCount> refused{}; // wrong holds, by the right play's rung - 1
    // Draws made with another hold than the ladder's play (the advisor showing the play, not
    // refusing), by the ladder's rung - 1.
    std::array<Count, kCategoryCount> drawnOtherwise{};

    Count handsPlayed() const;
    bool operator==(const PokerRecord&) const = default;
};

// Counts one finished hand of `category` (final mode): its bet and what it paid. A category
// no final hand can have counts nothing (false).
bool recordPokerHand(PokerRecord& record, int category, int bet, int won);
// A hold refused while `rung` (1..21) was the right play; other numbers count nothing.
bool recordRefusedHold(PokerRecord& record, int rung);
// A draw was made with another hold than the ladder's play while `rung` (1..21) was it;
// other numbers count nothing.
bool recordDrawnOtherwise(PokerRecord& record, int rung);
// The perfect-play run has reached `run` hands.
void recordPerfectRun(PokerRecord& record, int run);

// Credits won per credit bet; nothing before the first bet.
std::optional<double> actualReturn(const PokerRecord& record);
// The share of finished hands in group `group`; nothing before the first hand.
std::optional<double> finalShare(const PokerRecord& record, int group);

struct StatisticsRecord {
    std::array<RummyRecord, kRummyVariantCount> rummy{};       // by RummyVariant
    std::array<RummyRecord, kOpponentLevelCount> byOpponent{}; // by kOpponentLevelKeys
    PokerRecord poker;

    RummyRecord& of(RummyVariant v) { return rummy[static_cast<std::size_t>(v)]; }
    const RummyRecord& of(RummyVariant v) const { return rummy[static_cast<std::size_t>(v)]; }
    bool operator==(const StatisticsRecord&) const = default;
};

// What the charts show of the present run: the banks after each Gin Rummy hand and the
// credit meter after each Video Poker hand. Not kept across runs.
struct BankPoint {
    int computer = 0;
    int player = 0;
};
struct RunHistory {
    std::vector<BankPoint> rummyBanks;
    std::vector<int> pokerMeter;
};

} // namespace quillan
