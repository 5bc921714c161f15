#pragma once
// The arithmetic of the Gin Rummy arena: means with their 95% intervals, shares with theirs,
// percentiles of decision times, the tally of games played to 100, and the summary of a run
// of duplicate pairs (hands 2i and 2i + 1 are the same deal with the sides' seats swapped).
// Sides are numbered 0 (A) and 1 (B).

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace quillan {

// A figure with its 95% interval.
struct Interval {
    double mean = 0;
    double low = 0;
    double high = 0;
};

// The sample mean with mean +- 1.96 standard errors (sample standard deviation, n - 1); a
// sample of fewer than two values has an interval of its mean alone.
Interval meanInterval(std::span<const double> sample);

// The share hits / n with its 95% Wilson score interval (sound near 0% and 100%, where the
// normal approximation leaves [0, 1]); all zero for n = 0.
Interval shareInterval(long hits, long n);

// The nearest-rank percentile, p in (0, 100]: the smallest value with at least p% of the
// sample at or below it (so the median of 1, 2, 3, 4 is 2). 0 for an empty sample.
double percentile(std::vector<double> sample, double p);

// Games played to a target: each hand's points join the two banks; the first bank to reach
// the target wins the game and both banks start again from 0. (Should both reach it in one
// hand, the higher bank wins, and equal banks make a drawn game.)
class GameTally {
  public:
    static constexpr int kTarget = 100;
    explicit GameTally(int target = kTarget) : target_(target) {}

    void addHand(int pointsA, int pointsB);
    int bank(int side) const { return banks_[static_cast<size_t>(side)]; }
    long won(int side) const { return won_[static_cast<size_t>(side)]; }
    long drawn() const { return drawn_; }
    long finished() const { return won_[0] + won_[1] + drawn_; }
    // A game under way: at least one hand played since the last game ended.
    bool unfinished() const { return handsInGame_ > 0; }

  private:
    int target_;
    std::array<int, 2> banks_{};
    std::array<long, 2> won_{};
    long drawn_ = 0;
    long handsInGame_ = 0;
};

enum class ArenaEnding : std::uint8_t { Knock, Gin, Undercut, Tie, Forfeit };

// One hand as the arena records it, by side.
struct ArenaHand {
    ArenaEnding ending = ArenaEnding::Tie;
    int knocker = -1;            // the side that knocked or went gin (Knock, Gin, Undercut)
    int winner = -1;             // the side that won the hand; -1 for a tie
    int forfeiter = -1;          // the side that forfeited (Forfeit)
    std::array<int, 2> points{}; // what each side's bank got
    std::array<int, 2> turns{};  // cards each side took
    bool operator==(const ArenaHand&) const = default;
};

struct ArenaSide {
    long handsWon = 0;
    long knocks = 0;    // hands won by a knock
    long gins = 0;      // hands won by gin
    long undercuts = 0; // knocks of this side that were undercut
    long forfeits = 0;
    Interval points;    // mean points a hand, over the pairs
    Interval handShare; // share of hands won
    double turns = 0;   // mean cards taken a hand
    long gamesWon = 0;  // games to 100
    Interval gameShare; // share of the finished games won
};

struct ArenaSummary {
    long pairs = 0;
    long hands = 0;
    long ties = 0;
    std::array<ArenaSide, 2> sides{};
    Interval net; // A's points minus B's, a hand, over the pairs
    long games = 0;
    long drawnGames = 0;
    long unfinishedGames = 0; // series ended with a game under way (at most two)
};

// Summarises `hands` in pairs (2i, 2i + 1). The points intervals are taken over the pair
// means, so a deal that favours whoever holds it counts once, not twice. With `toTarget`,
// the games are the two series of hands 0, 2, 4... and 1, 3, 5... each tallied to 100.
ArenaSummary summariseArena(std::span<const ArenaHand> hands, bool toTarget);

} // namespace quillan
