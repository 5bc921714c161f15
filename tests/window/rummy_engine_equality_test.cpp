// The window and the engine play the same hands: seeded deals of all three variants, the
// person's seat played by a test player through the window's own handlers, the computer by
// the window's turn and by the engine's player of the same level. Hands, the reject pile, the
// stock, the computer's marks, the views a level is shown, the ending, the score panel and
// the banks must agree after every move. QUILLAN_EQUALITY_HANDS sets the number of hands of
// the long run.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "support/gin_lockstep.h"
#include "support/rummy_window_fixture.h"

using namespace quillan;
using quillan::test::GinLockstep;
using quillan::test::LockstepTally;
using quillan::test::RummyWindowTest;

namespace {

using WindowAndEngine = RummyWindowTest;

int handsToPlay(int normal) {
    const char* text = std::getenv("QUILLAN_EQUALITY_HANDS");
    const int asked = text != nullptr ? std::atoi(text) : 0;
    return asked > 0 ? asked : normal;
}

constexpr std::array<RummyVariant, 3> kVariants{RummyVariant::Standard, RummyVariant::Simple,
                                                RummyVariant::Oklahoma};

LockstepTally playHands(GinLockstep& lockstep, int hands, std::uint64_t firstSeed) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < hands; ++i) {
        if (!lockstep.playHand(firstSeed + static_cast<std::uint64_t>(i),
                               kVariants[static_cast<size_t>(i) % kVariants.size()])) {
            break;
        }
    }
    const LockstepTally& t = lockstep.tally();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%d hands, %d person moves (%d refused) in %.1f s: knock %d, gin %d, undercut %d, "
                "tie %d; person ended %d, computer ended %d\n",
                t.hands, t.personMoves, t.refusedMoves, seconds,
                t.endings[static_cast<size_t>(HandEndingKind::Knock)],
                t.endings[static_cast<size_t>(HandEndingKind::Gin)],
                t.endings[static_cast<size_t>(HandEndingKind::Undercut)],
                t.endings[static_cast<size_t>(HandEndingKind::Tie)], t.knockers[0], t.knockers[1]);
    return t;
}

// The run reached every ending and both seats' endings, so none of them went untested.
void expectEveryEnding(const LockstepTally& t) {
    for (HandEndingKind kind : {HandEndingKind::Knock, HandEndingKind::Gin,
                                HandEndingKind::Undercut, HandEndingKind::Tie}) {
        EXPECT_GT(t.endings[static_cast<size_t>(kind)], 0) << static_cast<int>(kind);
    }
    EXPECT_GT(t.knockers[0], 0);
    EXPECT_GT(t.knockers[1], 0);
    EXPECT_GT(t.refusedMoves, 0);
}

} // namespace

TEST_F(WindowAndEngine, PlayTheSameHandsAgainstTheTablesOwnOpponent) {
    FrmMain& w = game();
    platform.yesNoAnswers.assign(100000, true); // every tie question: Yes
    GinLockstep lockstep(w, platform, "");
    const int hands = handsToPlay(210);
    const LockstepTally t = playHands(lockstep, hands, 1000);
    EXPECT_EQ(t.hands, hands);
    expectEveryEnding(t);
}

// The window asks a level for its moves through the computer's seat view, off the window's
// thread; the yardstick is a level the engine knows that is unlike the table's own opponent.
TEST_F(WindowAndEngine, PlayTheSameHandsAtALevel) {
    FrmMain& w = game();
    platform.yesNoAnswers.assign(100000, true);
    PlayerOptions sampled;
    sampled.fixedSamples = 12; // the Expert's thinking fixed, so both sides think alike
    const struct {
        const char* level;
        PlayerOptions options;
        int hands;
    } runs[] = {{"baseline", {}, handsToPlay(60)},
                {"strong", {}, handsToPlay(60)},
                {"expert", sampled, std::min(handsToPlay(9), 300)}};
    for (const auto& run : runs) {
        SCOPED_TRACE(run.level);
        ASSERT_NE(makeGinPlayer(run.level, run.options), nullptr);
        GinLockstep lockstep(w, platform, run.level, run.options);
        const LockstepTally t = playHands(lockstep, run.hands, 50000);
        EXPECT_EQ(t.hands, run.hands);
        EXPECT_GT(t.knockers[1], 0);
    }
}
