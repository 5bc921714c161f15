// A deterministic replay: many whole Gin Rummy hands played computer against computer with
// the rules alone (no window). Side A is scored as the player, side B as the computer. Every
// hand must end in a knock, gin or tie, no card may be lost or doubled, and the banks must
// change by exactly the panel totals.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <vector>

#include "rummy/computer_rules.h"
#include "rummy/knock_rules.h"
#include "rummy/scoring_rules.h"
#include "rummy_test_cards.h"

using namespace quillan;
using namespace quillan::test;

namespace {

enum class Ending { PlayerGin, PlayerKnock, ComputerGin, ComputerKnock, Tie, Stalled };

struct HandRecord {
    Ending ending = Ending::Tie;
    int16 total = 0;
    bool undercut = false;
    int16 playerBank = 0;
    int16 computerBank = 0;
    bool operator==(const HandRecord&) const = default;
};

struct Side {
    Hand hand;
    CardList unmatched; // the stored unmatched list of this side's last analysis
    bool isPlayer = false;
};

class Replay {
  public:
    explicit Replay(unsigned seed) : rng_(seed) {}

    std::vector<HandRecord> play(int hands) {
        std::vector<HandRecord> records;
        for (int h = 0; h < hands && !::testing::Test::HasFailure(); ++h) {
            records.push_back(playHand(h));
        }
        return records;
    }

  private:
    HandRecord playHand(int h) {
        if (h % kHandsPerRun == 0) {
            banks_ = BankTotals{}; // the banks start from 0 in every run of the program
        }
        deal(static_cast<RummyVariant>(h % 3));
        Side* mover = h % 2 == 0 ? &a_ : &b_;
        for (int turn = 0; turn < 400; ++turn) {
            Side& other = mover == &a_ ? b_ : a_;
            std::optional<HandRecord> end = playTurn(*mover, other);
            if (end) {
                return *end;
            }
            checkCards();
            mover = &other;
        }
        ADD_FAILURE() << "hand " << h << " never ended";
        return {Ending::Stalled};
    }

    void deal(RummyVariant variant) {
        std::array<int, 52> deck{};
        for (int i = 0; i < 52; ++i) {
            deck[static_cast<size_t>(i)] = i;
        }
        for (int i = 51; i > 0; --i) {
            std::swap(deck[static_cast<size_t>(i)],
                      deck[static_cast<size_t>(rng_() % static_cast<unsigned>(i + 1))]);
        }
        a_ = Side{};
        b_ = Side{};
        a_.isPlayer = true;
        for (int k = 0; k < 10; ++k) {
            a_.hand[k] = cardOf(deck[static_cast<size_t>(k)]);
            b_.hand[k] = cardOf(deck[static_cast<size_t>(10 + k)]);
        }
        stock_.clear();
        for (size_t k = 20; k < 52; ++k) {
            stock_.push_back(cardOf(deck[k]));
        }
        reject_.assign(1, stock_.back());
        stock_.pop_back();
        variant_ = variant;
        maxDeadwood_ = variant == RummyVariant::Oklahoma ? oklahomaMaxDeadwood(reject_.back())
                                                         : fixedMaxDeadwood(variant);
        analyse(a_, 10, false);
        analyse(b_, 10, false);
    }

    HandAnalysis analyse(Side& side, int count, bool mayKnock) {
        const std::span<CardSlot> slots(side.hand.begin(), side.hand.begin() + count);
        const HandAnalysis a =
            analyseHand(slots, {true, mayKnock, static_cast<int>(reject_.size())});
        applyComputerAnalysis(side.hand, a, count);
        side.unmatched = a.storedUnmatched;
        return a;
    }

    std::optional<HandRecord> playTurn(Side& me, Side& other) {
        copyCard(me.hand[10], reject_.back());
        me.hand[10].keepValue = 0;
        analyse(me, 11, false);
        if (computerTakesReject(std::span<const CardSlot>(me.hand.begin(), me.hand.end()))) {
            copyCard(me.hand[10], reject_.back());
            reject_.pop_back();
        } else if (stock_.size() <= 2) {
            return HandRecord{Ending::Tie, 0, false, banks_.player, banks_.computer};
        } else {
            copyCard(me.hand[10], stock_.back());
            stock_.pop_back();
        }
        const HandAnalysis a = analyse(me, 11, true);
        if (std::optional<HandRecord> end = knockIfAllowed(me, other, a)) {
            return end;
        }
        const int slot =
            chooseComputerDiscard(std::span<const CardSlot>(me.hand.begin(), me.hand.end()));
        reject_.push_back(me.hand[slot]);
        if (slot != 10) {
            copyCard(me.hand[slot], me.hand[10]);
            me.hand[slot].keepValue = me.hand[10].keepValue;
        }
        analyse(me, 10, false);
        return std::nullopt;
    }

    std::optional<HandRecord> knockIfAllowed(Side& me, Side& other, const HandAnalysis& a) {
        const CardList& m1 = a.melds[0];
        const CardList& m2 = a.meldCount > 1 ? a.melds[1] : kNoMeld;
        const CardList& m3 = a.meldCount > 2 ? a.melds[2] : kNoMeld;
        ScorePanel panel;
        if (me.isPlayer) {
            const PlayerAnalysisOutcome outcome =
                playerAnalysisOutcome(a, maxDeadwood_, true).outcome;
            if (outcome == PlayerAnalysisOutcome::Nothing) {
                return std::nullopt;
            }
            if (outcome == PlayerAnalysisOutcome::Gin) {
                panel = scorePlayerGin(countLayOffDeadwood(m1, m2, m3, false, other.unmatched));
            } else {
                const KnockDecision d =
                    decidePlayerKnock(true, me.unmatched, variant_, maxDeadwood_);
                EXPECT_EQ(d.request, KnockRequest::Accepted) << d.message;
                EXPECT_LE(a.deadwood, maxDeadwood_);
                throwCard(me, a.discardCandidate);
                panel = scorePlayerKnock(a.deadwood,
                                         countLayOffDeadwood(m1, m2, m3, true, other.unmatched));
            }
        } else {
            const ComputerAction action = computerKnockAction(a, maxDeadwood_);
            if (action == ComputerAction::Continue) {
                return std::nullopt;
            }
            if (action == ComputerAction::Gin) {
                panel = scoreComputerGin(countLayOffDeadwood(m1, m2, m3, false, other.unmatched));
            } else {
                EXPECT_LE(a.deadwood, maxDeadwood_);
                throwCard(me, a.discardCandidate);
                panel = scoreComputerKnock(a.deadwood,
                                           countLayOffDeadwood(m1, m2, m3, true, other.unmatched));
            }
        }
        return settle(panel);
    }

    void throwCard(Side& me, const CardSlot& card) {
        const int slot =
            knockDiscardSlot(std::span<const CardSlot>(me.hand.begin(), me.hand.end()), card);
        EXPECT_EQ(me.hand[slot].cardvalue, card.cardvalue);
        reject_.push_back(me.hand[slot]);
        copyCard(me.hand[slot], me.hand[10]);
    }

    HandRecord settle(const ScorePanel& panel) {
        checkPanel(panel);
        const BankTotals before = banks_;
        banks_.computer = addToBank(banks_.computer, panel.computerBankChange);
        banks_.handScore = panel.handScore;
        banks_ = updateBank(banks_, kTrue);
        const bool playerEnded =
            panel.ending == HandEnding::PlayerGin || panel.ending == HandEnding::PlayerKnock;
        EXPECT_EQ(banks_.player - before.player, playerEnded ? panel.total : 0);
        EXPECT_EQ(banks_.computer - before.computer, playerEnded ? 0 : panel.total);
        static constexpr std::array<Ending, 4> kEndings{Ending::PlayerGin, Ending::PlayerKnock,
                                                        Ending::ComputerGin, Ending::ComputerKnock};
        return {kEndings[static_cast<size_t>(panel.ending)], panel.total, panel.undercut,
                banks_.player, banks_.computer};
    }

    static void checkPanel(const ScorePanel& p) {
        EXPECT_EQ(std::stoi(p.lblTotal), p.total);
        EXPECT_EQ(std::stoi(p.lblYourDeadWood), p.playerDeadwood);
        EXPECT_EQ(std::stoi(p.lblComputerDeadwood), p.computerDeadwood);
        EXPECT_GE(p.playerDeadwood, 0);
        EXPECT_GE(p.computerDeadwood, 0);
        const int gin = std::stoi(p.lblGin);
        const int undercut = std::stoi(p.lblUndercut);
        switch (p.ending) {
        case HandEnding::PlayerGin:
            EXPECT_EQ(p.total, p.computerDeadwood + gin);
            break;
        case HandEnding::ComputerGin:
            EXPECT_EQ(p.total, p.playerDeadwood + gin);
            break;
        case HandEnding::PlayerKnock:
            EXPECT_EQ(p.undercut, p.playerDeadwood >= p.computerDeadwood);
            EXPECT_EQ(p.total, p.computerDeadwood - p.playerDeadwood - undercut);
            break;
        case HandEnding::ComputerKnock:
            EXPECT_EQ(p.undercut, p.computerDeadwood >= p.playerDeadwood);
            EXPECT_EQ(p.total, p.playerDeadwood - p.computerDeadwood - undercut);
            break;
        }
    }

    // Every card is exactly once in a hand's slots 0..9, the stock or the reject pile.
    void checkCards() {
        std::array<int, 52> seen{};
        for (const Side* side : {&a_, &b_}) {
            for (int i = 0; i < 10; ++i) {
                ++seen[static_cast<size_t>(side->hand[i].cardvalue)];
            }
        }
        for (const std::vector<CardSlot>* pile : {&stock_, &reject_}) {
            for (const CardSlot& c : *pile) {
                ++seen[static_cast<size_t>(c.cardvalue)];
            }
        }
        for (int v = 0; v < 52; ++v) {
            ASSERT_EQ(seen[static_cast<size_t>(v)], 1) << "card " << name(cardOf(v));
        }
    }

    static constexpr int kHandsPerRun = 500;
    inline static const CardList kNoMeld{CardSlot{}, CardSlot{}, CardSlot{}};
    std::mt19937 rng_;
    Side a_;
    Side b_;
    std::vector<CardSlot> stock_;
    std::vector<CardSlot> reject_;
    RummyVariant variant_ = RummyVariant::Standard;
    int16 maxDeadwood_ = 10;
    BankTotals banks_;
};

} // namespace

TEST(RummyReplay, ComputerAgainstComputerWholeHands) {
    constexpr int kHands = 2000;
    const std::vector<HandRecord> records = Replay(1234567).play(kHands);
    ASSERT_EQ(static_cast<int>(records.size()), kHands);
    std::array<int, 6> endings{};
    int undercuts = 0;
    for (const HandRecord& r : records) {
        ++endings[static_cast<size_t>(r.ending)];
        undercuts += r.undercut ? 1 : 0;
    }
    for (Ending e : {Ending::PlayerGin, Ending::PlayerKnock, Ending::ComputerGin,
                     Ending::ComputerKnock, Ending::Tie}) {
        EXPECT_GT(endings[static_cast<size_t>(e)], 0) << "ending " << static_cast<int>(e);
    }
    EXPECT_EQ(endings[static_cast<size_t>(Ending::Stalled)], 0);
    EXPECT_GT(undercuts, 0);
    // The same seed plays the same hands to the same banks.
    EXPECT_EQ(Replay(1234567).play(kHands), records);
}
