// The computer levels as seat players: the Baseline's rules on hand-made positions, legal
// moves over many seeded hands, the Expert's reproducibility, and that what a player decides
// depends on its seat's view alone.
#include <gtest/gtest.h>

#include <cstdlib>
#include <type_traits>

#include "gin/baseline_player_rules.h"
#include "gin/deal_sampler_rules.h"
#include "gin/expert_player_rules.h"
#include "gin/gin_play_rules.h"
#include "gin/player_levels_rules.h"
#include "gin/standard_player_rules.h"
#include "gin/strong_player_rules.h"
#include "rules/gin_test_table.h"

namespace quillan::test {
namespace {

// A view is a plain value: it holds no pointer or reference back into the table.
static_assert(std::is_trivially_copyable_v<SeatView>);

HandSetup standardSetup(const DeckOrder& deck, Seat leader = Seat::Player) {
    HandSetup s;
    s.deck = deck;
    s.variant = RummyVariant::Standard;
    s.leader = leader;
    return s;
}

// The person's view after the deal (to draw), or after drawing from the stock.
SeatView personView(const DeckOrder& deck, bool drawFirst, DrawChoice how = DrawChoice::Stock) {
    GinTable t(standardSetup(deck));
    if (drawFirst) {
        t.draw(how);
    }
    return t.view(Seat::Player);
}

const char* kComputer = "2C 2D 2H 3S 4S 8D 8C TS TH AS";

TEST(BaselinePlayer, TakesTheFaceUpCardOnlyWhenItMelds) {
    BaselinePlayer p;
    // 7H 8H in hand: 9H completes a run, 9C melds with nothing.
    const char* hand = "7H 8H JS QD 5C 3H KC 6S AD 4D";
    EXPECT_EQ(p.chooseDraw(personView(deckOf(kComputer, hand, "9H"), false)), DrawChoice::Reject);
    EXPECT_EQ(p.chooseDraw(personView(deckOf(kComputer, hand, "9C"), false)), DrawChoice::Stock);
}

TEST(BaselinePlayer, ThrowsTheCardThatLeavesTheLowestDeadwood) {
    BaselinePlayer p;
    // Drawing 5H to 5C 5D makes a set; of the loose cards KC is the one to go.
    const SeatView v =
        personView(deckOf(kComputer, "5C 5D 7H 8H 9S JS QD KC AD 4D", "3C", "5H"), true);
    EXPECT_EQ(p.chooseTurn(v), TurnChoice::discard(card("KC").cardvalue));
}

// JC QC KC and KD in hand; KH melds with KC KD. Taken, any of the kings (or QC) leaves the
// same deadwood, and the taken KH would be the pick (the highest); it never throws it.
TEST(BaselinePlayer, NeverThrowsTheFaceUpCardItJustTook) {
    BaselinePlayer p;
    const DeckOrder deck = deckOf(kComputer, "JC QC KC KD 5S 6S 7S AH 2S 3D", "KH");
    const SeatView before = personView(deck, false);
    ASSERT_EQ(p.chooseDraw(before), DrawChoice::Reject);
    const SeatView v = personView(deck, true, DrawChoice::Reject);
    const TurnChoice t = p.chooseTurn(v);
    ASSERT_EQ(t.kind, TurnChoice::Kind::Discard);
    EXPECT_NE(t.cardvalue, card("KH").cardvalue);
    EXPECT_EQ(t.cardvalue, card("KD").cardvalue);
}

TEST(BaselinePlayer, KnocksAsSoonAsTheTableAllows) {
    BaselinePlayer p;
    const SeatView v = personView(
        deckOf("QD QH QS 5S 6S 7S 7H 8H TD KS", "4H 5H 6H 9C 9D 9S JC QC KC 3S", "AS", "4C"), true);
    ASSERT_TRUE(v.knockAllowed);
    EXPECT_EQ(p.chooseTurn(v), TurnChoice::knock());
}

// Every level, in both seats, over seeded hands of the three variants: the table never has to
// refuse a move.
int legalMovesOver(const std::string& a, const std::string& b, int hands, int samples) {
    PlayerOptions o;
    o.fixedSamples = samples;
    int decisions = 0;
    for (int i = 0; i < hands; ++i) {
        o.seed = static_cast<std::uint64_t>(i);
        auto pa = makeGinPlayer(a, o);
        auto pb = makeGinPlayer(b, o);
        HandSetup s = standardSetup(seededDeck(static_cast<std::uint64_t>(900 + i)),
                                    i % 2 ? Seat::Player : Seat::Computer);
        s.variant = static_cast<RummyVariant>(i % 3);
        const PlayedHand h = i % 4 < 2 ? playHand(s, *pa, *pb) : playHand(s, *pb, *pa);
        EXPECT_EQ(h.refusedMoves[0] + h.refusedMoves[1], 0) << "hand " << i;
        decisions += 2 * h.outcome.draws;
    }
    return decisions;
}

TEST(GinLevels, StrongNeverMakesAnIllegalMove) {
    EXPECT_GE(legalMovesOver("strong", "standard", 2200, 0) +
                  legalMovesOver("strong", "baseline", 2200, 0),
              100000);
}

// The Expert with one imagined table a choice; the longer run (QUILLAN_EXPERT_DECISIONS=100000)
// goes over as many decisions as asked.
TEST(GinLevels, ExpertNeverMakesAnIllegalMove) {
    const char* asked = std::getenv("QUILLAN_EXPERT_DECISIONS");
    const int wanted = asked != nullptr ? std::atoi(asked) : 3000;
    EXPECT_GE(legalMovesOver("expert", "strong", wanted / 28 + 1, 1), wanted);
}

TEST(GinLevels, EveryNamedLevelIsMadeAndOthersAreNot) {
    for (const std::string& name : playerLevelNames()) {
        EXPECT_NE(makeGinPlayer(name, {}), nullptr) << name;
    }
    EXPECT_EQ(makeGinPlayer("grandmaster", {}), nullptr);
}

TEST(ExpertPlayer, SameViewSeedAndSamplesGiveTheSameValues) {
    const SeatView v = personView(seededDeck(31), true);
    ExpertOptions o;
    o.seed = 7;
    o.fixedSamples = 24;
    const ExpertAnalysis a = analyseChoices(v, o);
    const ExpertAnalysis b = analyseChoices(v, o);
    ASSERT_EQ(a.choices.size(), b.choices.size());
    ASSERT_GE(a.choices.size(), 2u);
    for (size_t i = 0; i < a.choices.size(); ++i) {
        EXPECT_EQ(a.choices[i].turnChoice, b.choices[i].turnChoice);
        EXPECT_EQ(a.choices[i].meanPoints, b.choices[i].meanPoints);
    }
    EXPECT_EQ(a.samples, 24);
    o.seed = 8;
    const ExpertAnalysis c = analyseChoices(v, o);
    bool differs = false;
    for (size_t i = 0; i < c.choices.size(); ++i) {
        differs = differs || c.choices[i].meanPoints != a.choices[i].meanPoints;
    }
    EXPECT_TRUE(differs) << "another seed imagines other tables";
}

// A clear case for the Expert: a card that makes gin is worth taking.
TEST(ExpertPlayer, TakesTheRejectCardThatMakesGin) {
    const DeckOrder deck =
        deckOf("QD QH QS 5S 6S 7S 7H 8H TD KS", "4H 5H 6H 9C 9D 9S JC QC KC 3S", "3H", "2D");
    ExpertOptions o;
    o.fixedSamples = 16;
    EXPECT_EQ(ExpertPlayer(o).chooseDraw(personView(deck, false)), DrawChoice::Reject);
}

// For each decision of seeded hands, other tables that hide other cards behind the same view:
// the table shows the seat the same view, and every player makes the same choice.
TEST(SeatViewInformation, ChoicesDependOnTheViewAloneWhateverTheHiddenCards) {
    StandardPlayer standard;
    BaselinePlayer baseline;
    StrongPlayer strong;
    ExpertOptions eo;
    eo.fixedSamples = 2;
    ExpertPlayer expert(eo);
    std::array<GinPlayer*, 4> players{&standard, &baseline, &strong, &expert};
    int compared = 0;
    for (int i = 0; i < 12; ++i) {
        GinTable t(standardSetup(seededDeck(static_cast<std::uint64_t>(300 + i)),
                                 i % 2 ? Seat::Player : Seat::Computer));
        SampleRandom random(static_cast<std::uint64_t>(i));
        while (!t.over()) {
            const Seat seat = t.toAct();
            const SeatView v = t.view(seat);
            std::array<double, 52> even{};
            even.fill(1.0);
            const GinTable other(sampleTable(v, even, random));
            const SeatView w = other.view(seat);
            ASSERT_EQ(w, v) << "hand " << i << " draw " << v.draws;
            for (GinPlayer* p : players) {
                if (v.decision == Decision::Draw) {
                    EXPECT_EQ(p->chooseDraw(v), p->chooseDraw(w));
                } else {
                    EXPECT_EQ(p->chooseTurn(v), p->chooseTurn(w));
                }
            }
            ++compared;
            if (v.decision == Decision::Draw) {
                t.draw(strong.chooseDraw(v));
            } else {
                t.turn(strong.chooseTurn(v));
            }
        }
    }
    EXPECT_GT(compared, 100);
}

} // namespace
} // namespace quillan::test
