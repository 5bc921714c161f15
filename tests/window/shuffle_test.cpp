// shuffleCards on the window: the deal, the stock, the reset flags and the generator.
#include <algorithm>
#include <array>
#include <set>

#include "cards/deal_rules.h"
#include "platform/qt_platform.h"
#include "support/window_fixture.h"

using namespace quillan;
using quillan::test::WindowTest;

using ShuffleCards = WindowTest;

TEST_F(ShuffleCards, GinRummyDealIsAPermutationAndResetsTheHand) {
    platform.settings["isPoker"] = "False";
    FrmMain& w = loaded();
    w.turn.playerHoldsDraw = kTrue;
    w.turn.stockExhausted = kTrue;
    w.turn.handOver = kTrue;
    w.turn.computerTurn = kTrue;
    w.cards.handComputer[4].keepValue = 10;
    w.cards.handplayer[10].cardvalue = 12;
    const int reseedsBefore = platform.reseeds;
    w.shuffleCards();
    EXPECT_EQ(platform.reseeds - reseedsBefore, 52);
    std::vector<int> values;
    for (int k = 0; k < 10; ++k) {
        values.push_back(w.cards.handComputer[k].cardvalue);
        values.push_back(w.cards.handplayer[k].cardvalue);
        EXPECT_EQ(w.cards.handComputer[k].keepValue, 0);
    }
    ASSERT_EQ(w.cards.stock.upperBound(), 31);
    for (const CardSlot& slot : w.cards.stock) {
        values.push_back(slot.cardvalue);
    }
    std::sort(values.begin(), values.end());
    for (int i = 0; i < 52; ++i) {
        EXPECT_EQ(values[static_cast<std::size_t>(i)], i);
    }
    EXPECT_EQ(w.cards.handComputer[10], CardSlot{});
    EXPECT_EQ(w.cards.handplayer[10], CardSlot{});
    EXPECT_EQ(w.cards.rejectPile.upperBound(), 0);
    EXPECT_EQ(w.cards.stock[31].cardvalue, w.cards.deck[51].cardvalue);
    EXPECT_EQ(w.turn.playerHoldsDraw, kFalse);
    EXPECT_EQ(w.turn.stockExhausted, kFalse);
    EXPECT_EQ(w.turn.handOver, kFalse);
    EXPECT_EQ(w.turn.computerTurn, kFalse);
    EXPECT_EQ(w.turn.dealPending, kTrue);
    EXPECT_EQ(w.cards.handplayer[9].xEnd, w.cards.handplayer[9].x + 71);
}

TEST_F(ShuffleCards, VideoPokerStockHoldsTheWholeDeck) {
    FrmMain& w = loaded();
    w.shuffleCards();
    ASSERT_EQ(w.cards.stock.upperBound(), 51);
    for (int n = 0; n < 52; ++n) {
        EXPECT_EQ(w.cards.stock[n].cardvalue, w.cards.deck[n].cardvalue);
    }
    EXPECT_EQ(w.cards.stock[51].cardvalue, w.cards.deck[51].cardvalue);
}

TEST_F(ShuffleCards, AFaultIsReportedByTheTrap) {
    FrmMain& w = loaded();
    // The right edge of the last card no longer fits in 32 bits.
    w.cards.cWidth = 2147483647;
    w.shuffleCards();
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(platform.messages[0], "Error  in  shuffleCards (  Overflow  )");
}

// 10,000 shuffles with the program's own generator, reseeded from the clock before every
// draw as the program does: no two decks alike and every card seen at every position.
TEST(ShuffleStatistics, TheRealGeneratorGivesVariedDecks) {
    QtPlatform real(QDir::tempPath());
    std::set<std::array<int16, 52>> decks;
    std::array<std::array<int, 52>, 52> seen{};
    constexpr int kShuffles = 10000;
    for (int n = 0; n < kShuffles; ++n) {
        Deck deck;
        shuffleDeck(
            deck, [&] { real.randomize(); }, [&] { return real.rnd(); });
        std::array<int16, 52> order{};
        for (int i = 0; i < 52; ++i) {
            order[static_cast<std::size_t>(i)] = deck[i].cardvalue;
            ++seen[static_cast<std::size_t>(i)][static_cast<std::size_t>(deck[i].cardvalue)];
        }
        decks.insert(order);
    }
    EXPECT_EQ(decks.size(), static_cast<std::size_t>(kShuffles));
    int unseen = 0;
    for (const auto& position : seen) {
        unseen += static_cast<int>(std::count(position.begin(), position.end(), 0));
    }
    EXPECT_EQ(unseen, 0);
}
