#pragma once
// One Gin Rummy hand played on the real window and on GinTable side by side. The person's
// seat is played by a test player that sees only the table's view of that seat; each of its
// moves is made on the table and through the window's own handlers, the computer answers on
// both (the window's computer turn, the table's computer player), and the two are compared
// after every move and at the end.

#include <QCoreApplication>
#include <QLabel>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/frm_main.h"
#include "gin/baseline_player_rules.h"
#include "gin/gin_table_rules.h"
#include "gin/player_levels_rules.h"
#include "rummy/opponent_level.h"
#include "support/fake_platform.h"

namespace quillan::test {

// The person's seat: the yardstick's moves, with now and then an odd one (a reject card taken
// whatever it is, a card thrown at random, a knock asked for) so the table's refusals and
// rarer paths are played too. Every choice is a function of the view and the seed alone.
class OddPlayer final : public GinPlayer {
  public:
    explicit OddPlayer(std::uint64_t seed) : seed_(seed) {}

    DrawChoice chooseDraw(const SeatView& view) override {
        const std::uint64_t r = roll(view, 1);
        if (r % 100 < 12) {
            return r % 2 == 0 ? DrawChoice::Reject : DrawChoice::Stock;
        }
        return baseline_.chooseDraw(view);
    }

    TurnChoice chooseTurn(const SeatView& view) override {
        const std::uint64_t r = roll(view, 2);
        if (r % 100 < 6) {
            return TurnChoice::knock(); // refused unless the table allows it
        }
        if (r % 100 < 16) {
            const int slot = static_cast<int>((r >> 8) % 11);
            return TurnChoice::discard(view.hand[slot].cardvalue);
        }
        return baseline_.chooseTurn(view);
    }

  private:
    std::uint64_t roll(const SeatView& view, std::uint64_t salt) const {
        std::uint64_t x = seed_ ^ (handSet(view) * 0x9E3779B97F4A7C15ull) ^
                          (static_cast<std::uint64_t>(view.draws) << 52) ^ (salt << 60);
        x ^= x >> 31;
        x *= 0xBF58476D1CE4E5B9ull;
        x ^= x >> 29;
        return x;
    }

    std::uint64_t seed_;
    BaselinePlayer baseline_;
};

// A player that writes down every view it is shown and passes the choice on. The reject
// pile is written down as far as it goes: the table's array keeps the cards taken off it
// beyond its count, the window's does not.
class ViewRecorder final : public GinPlayer {
  public:
    ViewRecorder(std::unique_ptr<GinPlayer> inner, std::vector<SeatView>* views)
        : inner_(std::move(inner)), views_(views) {}
    void startHand(const SeatView& view) override {
        note(view);
        inner_->startHand(view);
    }
    void observe(const SeatEvent& event) override { inner_->observe(event); }
    DrawChoice chooseDraw(const SeatView& view) override {
        note(view);
        return inner_->chooseDraw(view);
    }
    TurnChoice chooseTurn(const SeatView& view) override {
        note(view);
        return inner_->chooseTurn(view);
    }

  private:
    void note(SeatView view) {
        std::fill(view.reject.cards.begin() + view.reject.count, view.reject.cards.end(), 0);
        views_->push_back(view);
    }

    std::unique_ptr<GinPlayer> inner_;
    std::vector<SeatView>* views_;
};

// The fields in which two views differ, for a failure message ("" when they are equal).
inline std::string viewDifference(const SeatView& a, const SeatView& b) {
    std::ostringstream out;
    const auto field = [&out](const char* name, auto x, auto y) {
        if (x != y) {
            out << name << " " << +x << " / " << +y << "; ";
        }
    };
    field("seat", seatIndex(a.seat), seatIndex(b.seat));
    field("leader", seatIndex(a.leader), seatIndex(b.leader));
    field("variant", static_cast<int>(a.variant), static_cast<int>(b.variant));
    field("maxDeadwood", a.maxDeadwood, b.maxDeadwood);
    field("decision", static_cast<int>(a.decision), static_cast<int>(b.decision));
    for (long i = 0; i <= 10; ++i) {
        if (!(a.hand[i] == b.hand[i])) {
            out << "slot " << i << " " << a.hand[i].cardvalue << "(" << a.hand[i].keepValue
                << ") / " << b.hand[i].cardvalue << "(" << b.hand[i].keepValue << "); ";
        }
    }
    field("reject", a.reject.count, b.reject.count);
    if (!(a.reject == b.reject)) {
        out << "reject cards differ; ";
    }
    field("stockCount", a.stockCount, b.stockCount);
    field("stockLow", a.stockLow, b.stockLow);
    field("draws", a.draws, b.draws);
    field("takenCard", a.takenCard, b.takenCard);
    field("takenFromReject", a.takenFromReject, b.takenFromReject);
    field("opponentHolds", a.opponentHolds, b.opponentHolds);
    field("opponentThrew", a.opponentThrew, b.opponentThrew);
    field("opponentPassed", a.opponentPassed, b.opponentPassed);
    field("ownThrew", a.ownThrew, b.ownThrew);
    field("ownFromReject", a.ownFromReject, b.ownFromReject);
    field("ownPassed", a.ownPassed, b.ownPassed);
    field("knockAllowed", a.knockAllowed, b.knockAllowed);
    field("ginAllowed", a.ginAllowed, b.ginAllowed);
    field("ownBank", a.ownBank, b.ownBank);
    field("opponentBank", a.opponentBank, b.opponentBank);
    return out.str();
}

inline ::testing::AssertionResult sameViews(const std::vector<SeatView>& window,
                                            const std::vector<SeatView>& engine) {
    if (window.size() != engine.size()) {
        return ::testing::AssertionFailure()
               << "the level was shown " << window.size() << " views by the window, "
               << engine.size() << " by the engine";
    }
    for (size_t i = 0; i < window.size(); ++i) {
        if (!(window[i] == engine[i])) {
            return ::testing::AssertionFailure()
                   << "view " << i
                   << " (window / engine): " << viewDifference(window[i], engine[i]);
        }
    }
    return ::testing::AssertionSuccess();
}

// What the window showed when a hand ended.
struct WindowEnding {
    bool tie = false;
    bool panelShown = false;
    std::vector<std::string> labels; // lblKnock, lblGin, lblUndercut, deadwoods, lblTotal
    int computerBankChange = 0;
    int handScore = 0;
    size_t levelViews = 0; // the views the window's level had been shown
};

inline std::vector<std::string> panelLabels(const FrmMain& w) {
    std::vector<std::string> texts;
    for (const QLabel* l : {w.ui.lblKnock, w.ui.lblGin, w.ui.lblUndercut, w.ui.lblYourDeadWood,
                            w.ui.lblComputerDeadwood, w.ui.lblTotal}) {
        texts.push_back(l->text().toStdString());
    }
    return texts;
}

inline std::vector<std::string> panelLabels(const ScorePanel& p) {
    return {p.lblKnock, p.lblGin, p.lblUndercut, p.lblYourDeadWood, p.lblComputerDeadwood,
            p.lblTotal};
}

inline std::vector<int> handValues(const Hand& hand) {
    std::vector<int> values;
    for (long i = 0; i < 10; ++i) {
        values.push_back(hand[i].cardvalue);
    }
    return values;
}

inline std::vector<int> keepValues(const Hand& hand) {
    std::vector<int> values;
    for (long i = 0; i < 10; ++i) {
        values.push_back(hand[i].keepValue);
    }
    return values;
}

// The numbers of one lockstep run.
struct LockstepTally {
    int hands = 0;
    int personMoves = 0;
    int refusedMoves = 0;          // odd moves the table refused, on both sides
    std::array<int, 5> endings{};  // by HandEndingKind
    std::array<int, 2> knockers{}; // knocks and gins by seat
};

class GinLockstep {
  public:
    // `level` empty: the window's own computer; otherwise the window plays at that level and
    // the table's computer seat is the same level's player.
    // `options` make the level's players on both sides (a level that samples needs a fixed
    // number of samples to play the same on both).
    GinLockstep(FrmMain& w, FakePlatform& platform, std::string level, PlayerOptions options = {})
        : w_(w), platform_(platform), level_(std::move(level)), options_(options) {
        platform_.onQuestion = [this](const QString&) { noteEnding(true); };
        if (!level_.empty()) {
            w_.opponent->chooseAny(level_);
            w_.opponent->setFactory([this](const std::string& name, std::uint64_t) {
                return std::make_unique<ViewRecorder>(makeGinPlayer(name, options_), &windowViews_);
            });
        }
    }
    ~GinLockstep() { platform_.onQuestion = nullptr; }
    GinLockstep(const GinLockstep&) = delete;
    GinLockstep& operator=(const GinLockstep&) = delete;

    // Plays the hand of `seed` under `variant`; false after the first difference.
    bool playHand(std::uint64_t seed, RummyVariant variant) {
        const std::string where = "seed " + std::to_string(seed);
        SCOPED_TRACE(where);
        deal(seed, variant);
        if (::testing::Test::HasFailure()) {
            return false;
        }
        OddPlayer person(seed);
        while (!table_->over() && !::testing::Test::HasFailure()) {
            personMove(person);
            playComputer();
            ++tally_.personMoves;
            if (!table_->over()) {
                expectSameTable("after move " + std::to_string(tally_.personMoves));
            }
        }
        if (!::testing::Test::HasFailure()) {
            expectSameEnding();
        }
        if (::testing::Test::HasFailure()) {
            describeHand();
        }
        ++tally_.hands;
        return !::testing::Test::HasFailure();
    }

    const LockstepTally& tally() const { return tally_; }

  private:
    void deal(std::uint64_t seed, RummyVariant variant) {
        std::array<float, 52> floats{};
        HandSetup setup;
        setup.deck = seededDeck(seed, &floats);
        setup.variant = variant;
        setup.leader = isSet(w_.kept.playerStartsNext) ? Seat::Computer : Seat::Player;
        w_.settings.prfOpQN = toFlag(variant == RummyVariant::Simple);
        w_.settings.prfOpStandard = toFlag(variant == RummyVariant::Standard);
        w_.settings.prfOpOklahoma = toFlag(variant == RummyVariant::Oklahoma);
        // Thousands of hands would carry a bank past its limit (where the window reports an
        // overflow, as its rules say): the banks start again once they are large.
        if (std::abs(w_.banks.prfComputerBank) > 20000 ||
            std::abs(w_.banks.prfPlayerBank) > 20000) {
            w_.banks.prfComputerBank = 0;
            w_.banks.prfPlayerBank = 0;
            w_.banks.handScore = 0;
        }
        platform_.rndAnswers.assign(floats.begin(), floats.end());
        ending_ = WindowEnding{};
        windowViews_.clear();
        engineViews_.clear();
        dealing_ = true;
        w_.mnuPlayRummy_Click();
        dealing_ = false;
        ASSERT_TRUE(platform_.rndAnswers.empty()) << "the deal drew other random numbers";
        setup.playerBank = w_.opponent->handStart().playerBank;
        setup.computerBank = w_.opponent->handStart().computerBank;
        computerBankBefore_ = setup.computerBank;
        table_ = std::make_unique<GinTable>(setup);
        setup_ = setup;
        platform_.messages.clear();
        platform_.questions.clear();
        computer_.reset();
        if (!level_.empty()) {
            computer_ =
                std::make_unique<ViewRecorder>(makeGinPlayer(level_, options_), &engineViews_);
            computer_->startHand(table_->view(Seat::Computer));
        }
        told_ = 0;
        ASSERT_EQ(w_.rummy.MAXDEADWOOD, table_->maxDeadwood());
        playComputer();
        if (!table_->over()) {
            expectSameTable("after the deal");
        }
    }

    // The person's draw, then its turn, on the table and on the window.
    void personMove(GinPlayer& person) {
        settleBank();
        DrawChoice draw = person.chooseDraw(table_->view(Seat::Player));
        if (table_->draw(draw) != MoveError::None) {
            ++tally_.refusedMoves;
            draw = DrawChoice::Stock;
            table_->draw(draw);
        }
        if (draw == DrawChoice::Stock) {
            w_.picDealRummy_Click();
        } else {
            w_.picReject_Click();
        }
        if (table_->over()) {
            noteEnding(false);
            return;
        }
        ASSERT_EQ(w_.turn.playerHoldsDraw, kTrue);
        ASSERT_EQ(w_.cards.handplayer[10].cardvalue, table_->hand(Seat::Player)[10].cardvalue);
        settleBank();
        const SeatView view = table_->view(Seat::Player);
        TurnChoice turn = person.chooseTurn(view);
        const MoveError error = table_->turn(turn);
        if (turn.kind == TurnChoice::Kind::Knock) {
            const qsizetype shown = platform_.messages.size();
            w_.mnuKnock_Click();
            // The window refuses exactly the knocks the table refuses, with a message.
            ASSERT_EQ(platform_.messages.size() > shown, error != MoveError::None);
        }
        if (error != MoveError::None) {
            ++tally_.refusedMoves;
            turn = TurnChoice::discard(view.hand[10].cardvalue);
            ASSERT_EQ(table_->turn(turn), MoveError::None);
        }
        if (turn.kind == TurnChoice::Kind::Discard) {
            w_.DiscardPlayerCard(static_cast<int16>(slotOf(w_.cards.handplayer, turn.cardvalue)));
        }
        if (table_->over()) {
            noteEnding(false);
        }
    }

    // The hand as the engine played it and what the window said, for a failure.
    void describeHand() const {
        std::ostringstream out;
        out << "variant " << variantName(setup_.variant) << ", leader " << seatIndex(setup_.leader)
            << ", limit " << table_->maxDeadwood() << "\n";
        for (const TableEvent& e : table_->events()) {
            out << (e.seat == Seat::Player ? "P " : "C ") << static_cast<int>(e.kind) << " "
                << e.card << "\n";
        }
        out << "window messages " << platform_.messages.join(" | ").toStdString() << "\nquestions "
            << platform_.questions.join(" | ").toStdString();
        ADD_FAILURE() << out.str();
    }

    // A change of the window's size credits the banks when its event comes (the deal's new
    // background may resize the window): the events waiting are let run before a move, so
    // the computer's bank is read where the move starts.
    void settleBank() {
        QCoreApplication::processEvents();
        computerBankBefore_ = w_.banks.prfComputerBank;
    }

    // The table's computer plays until the person is to move again.
    void playComputer() {
        GinPlayer& p = computer_ ? *computer_ : *standard_;
        while (!table_->over() && table_->toAct() == Seat::Computer) {
            const SeatView view = table_->view(Seat::Computer);
            if (table_->decision() == Decision::Draw) {
                if (table_->draw(p.chooseDraw(view)) != MoveError::None) {
                    table_->draw(DrawChoice::Stock);
                }
            } else if (table_->turn(p.chooseTurn(view)) != MoveError::None) {
                table_->turn(TurnChoice::discard(view.hand[10].cardvalue));
            }
            tellComputer();
        }
        if (table_->over()) {
            noteEnding(false);
        }
        tellComputer();
    }

    // The table's computer player sees what its seat may see, as the window's level does.
    void tellComputer() {
        const std::vector<TableEvent>& events = table_->events();
        for (; told_ < events.size(); ++told_) {
            const TableEvent& e = events[told_];
            if (!computer_) {
                continue;
            }
            computer_->observe(seatEventFor(Seat::Computer, e.seat, e.kind, e.card));
        }
    }

    // Called when the table's hand is over and when the window asks its tie question (a Yes
    // deals the next hand at once, so the window is read before it).
    void noteEnding(bool question) {
        if (dealing_ || ending_.tie || ending_.panelShown) {
            return;
        }
        ending_.panelShown = w_.ui.Frame1->isVisible();
        ending_.tie = question ||
                      platform_.messages.count(QStringLiteral("The game is a tie")) > tieMessages_;
        ending_.labels = panelLabels(w_);
        ending_.computerBankChange = w_.banks.prfComputerBank - computerBankBefore_;
        ending_.handScore = w_.banks.handScore;
        ending_.levelViews = windowViews_.size(); // a tie question's Yes deals a new hand
    }

    void expectSameTable(const std::string& when) {
        SCOPED_TRACE(when);
        EXPECT_EQ(handValues(w_.cards.handplayer), handValues(table_->hand(Seat::Player)));
        EXPECT_EQ(handValues(w_.cards.handComputer), handValues(table_->hand(Seat::Computer)));
        EXPECT_EQ(keepValues(w_.cards.handComputer), keepValues(table_->hand(Seat::Computer)));
        std::vector<int> windowPile;
        for (long i = 1; i <= w_.cards.rejectPile.upperBound(); ++i) {
            windowPile.push_back(w_.cards.rejectPile[i].cardvalue);
        }
        const RejectPileView& pile = table_->rejectPile();
        EXPECT_EQ(windowPile,
                  std::vector<int>(pile.cards.begin(), pile.cards.begin() + pile.count));
        EXPECT_EQ(w_.cards.stock.upperBound() + 1, table_->stockCount());
        EXPECT_EQ(w_.turn.handOver, kFalse);
        EXPECT_TRUE(sameViews(windowViews_, engineViews_));
    }

    void expectSameEnding() {
        const HandOutcome& o = table_->outcome();
        ASSERT_FALSE(o.abandoned);
        ++tally_.endings[static_cast<size_t>(o.ending)];
        const std::vector<SeatView> shown(windowViews_.begin(),
                                          windowViews_.begin() +
                                              static_cast<std::ptrdiff_t>(ending_.levelViews));
        EXPECT_TRUE(sameViews(shown, engineViews_));
        if (o.ending == HandEndingKind::Tie) {
            EXPECT_TRUE(ending_.tie);
            EXPECT_FALSE(ending_.panelShown);
            return;
        }
        ++tally_.knockers[static_cast<size_t>(seatIndex(o.knocker))];
        EXPECT_TRUE(ending_.panelShown);
        EXPECT_EQ(ending_.labels, panelLabels(o.panel));
        EXPECT_EQ(ending_.computerBankChange, o.computerPoints);
        EXPECT_EQ(ending_.handScore, o.playerPoints);
        if (!ending_.tie) {
            // The hands as the window left them (a tie question's Yes deals anew).
            EXPECT_EQ(handValues(w_.cards.handplayer), handValues(table_->hand(Seat::Player)));
            EXPECT_EQ(handValues(w_.cards.handComputer), handValues(table_->hand(Seat::Computer)));
        }
    }

    static int slotOf(const Hand& hand, int cardvalue) {
        for (long i = 0; i <= 10; ++i) {
            if (hand[i].rank > 0 && hand[i].cardvalue == cardvalue) {
                return static_cast<int>(i);
            }
        }
        ADD_FAILURE() << "the window's hand does not hold card " << cardvalue;
        return 10;
    }

    FrmMain& w_;
    FakePlatform& platform_;
    std::string level_;
    PlayerOptions options_;
    std::unique_ptr<GinTable> table_;
    std::unique_ptr<GinPlayer> computer_; // the level's player, when there is one
    // The table's own opponent, for the runs without a level.
    std::unique_ptr<GinPlayer> standard_ = makeGinPlayer("standard", PlayerOptions{});
    size_t told_ = 0;
    std::vector<SeatView> windowViews_;
    std::vector<SeatView> engineViews_;
    WindowEnding ending_;
    qsizetype tieMessages_ = 0; // "The game is a tie" boxes before this hand's moves
    HandSetup setup_;
    int computerBankBefore_ = 0;
    bool dealing_ = false;
    LockstepTally tally_;
};

} // namespace quillan::test
