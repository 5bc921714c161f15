// Whole arena runs of the computer levels: each deal's second hand is its first with the
// sides' seats swapped, and the number of threads changes no hand and no figure.
#include <gtest/gtest.h>

#include <map>
#include <mutex>
#include <set>

#include "arena_report.h"
#include "arena_test_support.h"

using namespace quillan;
using namespace quillan::arena;
using namespace quillan::arena::test;

namespace {

// The banks each player was shown at the start of its hand, by the player's seed.
struct BankLog {
    std::mutex mutex;
    std::map<std::uint64_t, std::array<int, 2>> seen;
};

// A level whose play depends on the banks: it holds back its knock while the tens of its own
// bank are odd, throwing the card it took instead.
class BankMindedPlayer final : public GinPlayer {
  public:
    BankMindedPlayer(std::unique_ptr<GinPlayer> inner, std::uint64_t seed, BankLog& log)
        : inner_(std::move(inner)), seed_(seed), log_(log) {}

    void startHand(const SeatView& view) override {
        const std::lock_guard<std::mutex> lock(log_.mutex);
        log_.seen[seed_] = {view.ownBank, view.opponentBank};
        inner_->startHand(view);
    }
    void observe(const SeatEvent& event) override { inner_->observe(event); }
    DrawChoice chooseDraw(const SeatView& view) override { return inner_->chooseDraw(view); }
    TurnChoice chooseTurn(const SeatView& view) override {
        const TurnChoice choice = inner_->chooseTurn(view);
        const bool holdBack = (view.ownBank / 10) % 2 != 0;
        return choice.kind != TurnChoice::Kind::Discard && holdBack
                   ? TurnChoice::discard(view.takenCard)
                   : choice;
    }

  private:
    std::unique_ptr<GinPlayer> inner_;
    std::uint64_t seed_;
    BankLog& log_;
};

} // namespace

TEST(ArenaRun, SecondHandOfADealIsTheFirstWithTheSeatsSwapped) {
    // The same deterministic level on both sides: swapping the seats over the same deck and
    // the same leading seat must give the same hand with A and B exchanged.
    const ArenaRun run = runArena(shortRun("standard", "standard", 30));
    ASSERT_EQ(run.hands.size(), 60u);
    std::set<std::array<int, 2>> outcomes;
    for (size_t i = 0; i < run.hands.size(); i += 2) {
        const ArenaHand& first = run.hands[i];
        const ArenaHand& second = run.hands[i + 1];
        EXPECT_EQ(first.ending, second.ending) << "deal " << i / 2;
        EXPECT_EQ(first.points[0], second.points[1]) << "deal " << i / 2;
        EXPECT_EQ(first.points[1], second.points[0]) << "deal " << i / 2;
        EXPECT_EQ(first.turns[0], second.turns[1]) << "deal " << i / 2;
        if (first.winner >= 0) {
            EXPECT_EQ(first.winner, 1 - second.winner) << "deal " << i / 2;
        }
        outcomes.insert(first.points);
    }
    EXPECT_GT(outcomes.size(), 5u); // the deals differ
    const ArenaSummary s = summariseArena(run.hands, false);
    EXPECT_DOUBLE_EQ(s.net.mean, 0.0);
}

TEST(ArenaRun, ThreadsChangeNoHandAndNoFigure) {
    for (bool toTarget : {false, true}) {
        ArenaOptions options = shortRun("standard", "baseline", 40);
        options.toTarget = toTarget;
        const ArenaRun one = runArena(options);
        const std::string report = arenaReport(options, one, false);
        for (int threads : {2, 3}) {
            options.threads = threads;
            const ArenaRun more = runArena(options);
            EXPECT_EQ(more.hands, one.hands) << threads << " threads, to 100: " << toTarget;
            EXPECT_EQ(arenaReport(options, more, false), report);
        }
        const ArenaSummary s = summariseArena(one.hands, toTarget);
        EXPECT_GT(s.sides[0].handsWon, 0);
        EXPECT_GT(s.sides[1].handsWon, 0);
        if (toTarget) {
            EXPECT_GT(s.games, 0);
            EXPECT_NE(report.find("games to 100 won"), std::string::npos);
        }
    }
}

TEST(ArenaRun, GamesToOneHundredShowEachSeriesItsOwnBanks) {
    BankLog log;
    const LevelMaker bankMinded = [&log](const std::string& level, const PlayerOptions& o) {
        return std::make_unique<BankMindedPlayer>(makeGinPlayer(level, o), o.seed, log);
    };
    ArenaOptions options = shortRun("baseline", "standard", 40);
    options.toTarget = true;

    // Each hand was shown the banks its series held before it, A's and B's from its own side.
    const auto expectSeriesBanks = [&](const ArenaRun& run) {
        long shownPoints = 0;
        for (int seating = 0; seating < 2; ++seating) {
            GameTally tally;
            for (long deal = 0; deal < options.deals; ++deal) {
                const std::uint64_t a = playerSeed(options.seed, deal, seating, 0);
                const std::uint64_t b = playerSeed(options.seed, deal, seating, 1);
                EXPECT_EQ(log.seen[a], (std::array<int, 2>{tally.bank(0), tally.bank(1)}));
                EXPECT_EQ(log.seen[b], (std::array<int, 2>{tally.bank(1), tally.bank(0)}));
                shownPoints += tally.bank(0) + tally.bank(1);
                const ArenaHand& hand = run.hands[static_cast<size_t>(2 * deal + seating)];
                tally.addHand(hand.points[0], hand.points[1]);
            }
        }
        EXPECT_GT(shownPoints, 0);
    };
    const ArenaRun one = runArena(options, {}, bankMinded);
    expectSeriesBanks(one);
    options.threads = 2;
    const ArenaRun two = runArena(options, {}, bankMinded);
    expectSeriesBanks(two);
    EXPECT_EQ(two.hands, one.hands);

    options.toTarget = false; // then every hand starts from banks of 0
    runArena(options, {}, bankMinded);
    for (const auto& [seed, banks] : log.seen) {
        EXPECT_EQ(banks, (std::array<int, 2>{0, 0}));
    }
}
