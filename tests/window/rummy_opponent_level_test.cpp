// The computer opponent's level on the real window: the "Opponent" submenu and its stored
// choice, a choice taking effect at the next hand, the Statistics record per level, and a
// level's slow thinking, which runs off the window's thread (the window keeps handling
// events) and may be interrupted by a new hand or by closing the window.
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>
#include <QThreadPool>
#include <atomic>
#include <chrono>

#include "app/opponent_menu.h"
#include "gin/standard_player_rules.h"
#include "platform/opponent_level_store.h"
#include "rummy/frm_main_rummy_helpers.h"
#include "rummy/opponent_level.h"
#include "stats/statistics_recorder.h"
#include "support/data_home.h"
#include "support/rummy_window_fixture.h"

using namespace quillan;
using quillan::test::DataHome;
using quillan::test::RummyWindowTest;
using Clock = std::chrono::steady_clock;

namespace {

QStringList captions(const QMenu& menu) {
    QStringList texts;
    for (const QAction* item : menu.actions()) {
        texts << (item->isSeparator() ? QStringLiteral("-") : item->text());
    }
    return texts;
}

QAction* item(const QMenu& menu, const QString& caption) {
    for (QAction* a : menu.actions()) {
        if (a->text() == caption) {
            return a;
        }
    }
    return nullptr;
}

// The table's own opponent, thinking slowly: every decision sleeps first. It counts the
// decisions begun and ended, and notes when it is destroyed.
struct SlowCounts {
    std::atomic<int> begun{0};
    std::atomic<int> ended{0};
    std::atomic<int> inside{0};
    std::atomic<int> overlapped{0};
    std::atomic<bool> destroyed{false};
};

class SlowPlayer final : public GinPlayer {
  public:
    SlowPlayer(std::shared_ptr<SlowCounts> counts, int sleepMs)
        : counts_(std::move(counts)), sleepMs_(sleepMs) {}
    ~SlowPlayer() override { counts_->destroyed = true; }
    DrawChoice chooseDraw(const SeatView& view) override {
        think();
        return standard_.chooseDraw(view);
    }
    TurnChoice chooseTurn(const SeatView& view) override {
        think();
        return standard_.chooseTurn(view);
    }

  private:
    void think() {
        ++counts_->begun;
        if (++counts_->inside > 1) {
            ++counts_->overlapped;
        }
        QThread::msleep(static_cast<unsigned long>(sleepMs_));
        --counts_->inside;
        ++counts_->ended;
    }

    std::shared_ptr<SlowCounts> counts_;
    int sleepMs_;
    StandardPlayer standard_;
};

// Any level is made as the table's own opponent (the levels' own players are not needed
// to test the window around them).
std::unique_ptr<GinPlayer> standardForAny(const std::string&, std::uint64_t) {
    return std::make_unique<StandardPlayer>();
}

class OpponentLevels : public RummyWindowTest {
  protected:
    // The window with the slow player as the level "slow", chosen for the next hand.
    FrmMain& slowGame(int sleepMs) {
        FrmMain& w = game();
        w.opponent->setFactory([this, sleepMs](const std::string& level, std::uint64_t) {
            EXPECT_EQ(level, "slow");
            return std::make_unique<SlowPlayer>(counts, sleepMs);
        });
        w.opponent->chooseAny("slow");
        return w;
    }

    // Deals a hand the computer opens (its turn, and so its thinking, starts in the deal).
    static void dealComputerFirst(FrmMain& w) {
        w.kept.playerStartsNext = kTrue;
        w.mnuPlayRummy_Click();
    }

    // The longest time between two moments the window let its events run, both while the
    // slow player was thinking.
    void watchEventGaps() {
        platform.onEvents = [this] {
            const Clock::time_point now = Clock::now();
            if (counts->begun == counts->ended) {
                lastEvents = Clock::time_point{};
                return;
            }
            ++eventsWhileThinking;
            if (lastEvents != Clock::time_point{}) {
                longestGap = std::max(longestGap, now - lastEvents);
            }
            lastEvents = now;
        };
    }

    std::shared_ptr<SlowCounts> counts = std::make_shared<SlowCounts>();
    Clock::time_point lastEvents{};
    Clock::duration longestGap{};
    int eventsWhileThinking = 0;
    DataHome dataHome;
};

} // namespace

TEST(OpponentMenu, ListsTheLevelsChecksTheChoiceAndSaysWhenItPlays) {
    std::vector<std::string> stored;
    OpponentLevel level("expert", [&](const std::string& s) { stored.push_back(s); });
    level.setFactory(standardForAny);
    OpponentMenu menu(level);
    EXPECT_EQ(menu.title(), "&Opponent");
    EXPECT_EQ(captions(menu),
              (QStringList{"&Standard", "S&trong", "&Expert", "-",
                           "This hand: Standard. A new level takes effect at the next hand"}));
    EXPECT_TRUE(item(menu, "&Expert")->isChecked());
    EXPECT_FALSE(menu.actions().last()->isEnabled());

    item(menu, "S&trong")->trigger();
    EXPECT_EQ(stored, std::vector<std::string>{"strong"});
    EXPECT_TRUE(item(menu, "S&trong")->isChecked());
    EXPECT_FALSE(item(menu, "&Expert")->isChecked());
    item(menu, "S&trong")->trigger(); // the same level again: nothing new to store
    EXPECT_EQ(stored.size(), 1u);
    // The hand being played keeps its level until the next is dealt.
    EXPECT_EQ(level.handLevel(), "standard");
    level.startHand({});
    EXPECT_EQ(level.handLevel(), "strong");
    emit menu.aboutToShow();
    EXPECT_EQ(menu.actions().last()->text(),
              "This hand: Strong. A new level takes effect at the next hand");

    // A level that cannot be made is played as Standard, and said so.
    level.setFactory([](const std::string&, std::uint64_t) { return nullptr; });
    level.startHand({});
    EXPECT_EQ(level.handLevel(), "standard");
    EXPECT_FALSE(level.decides());

    // A stored text that names no level is the default.
    EXPECT_EQ(OpponentLevel("grandmaster").chosen(), "standard");
    EXPECT_EQ(OpponentLevel("").chosen(), "standard");
}

TEST(OpponentStore, KeepsTheChoiceInItsOwnSectionAndLeavesThePreferencesAlone) {
    QTemporaryDir home;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home.path());
    const QString file = home.path() + "/Quillan/Quillan.ini";
    {
        QSettings prefs(file, QSettings::IniFormat);
        prefs.setValue("Preferences/prfSound", "False");
    }
    EXPECT_EQ(readOpponentLevel(), "");
    QMenu preferences;
    OpponentLevel level;
    addOpponentMenu(preferences, level);
    EXPECT_EQ(level.chosen(), "standard");
    level.choose("expert");
    EXPECT_EQ(readOpponentLevel(), "expert");
    {
        QSettings check(file, QSettings::IniFormat);
        EXPECT_EQ(check.value("Opponent/Level").toString(), "expert");
        EXPECT_EQ(check.value("Preferences/prfSound").toString(), "False");
        EXPECT_EQ(check.allKeys().size(), 2);
    }
    OpponentLevel again;
    addOpponentMenu(preferences, again);
    EXPECT_EQ(again.chosen(), "expert");
}

TEST_F(OpponentLevels, TheWindowPlaysAtTheTablesOwnLevelUntilAnotherIsChosen) {
    FrmMain& w = game();
    w.opponent->setFactory(standardForAny);
    EXPECT_EQ(w.opponent->handLevel(), "standard");
    EXPECT_FALSE(w.opponent->decides());
    w.opponent->choose("strong");
    EXPECT_EQ(w.opponent->handLevel(), "standard"); // the hand in play keeps its level
    w.mnuPlayRummy_Click();
    EXPECT_EQ(w.opponent->handLevel(), "strong");
    w.opponent->choose("standard");
    w.mnuPlayRummy_Click();
    EXPECT_FALSE(w.opponent->decides());
}

TEST_F(OpponentLevels, ThinkingRunsOffTheWindowsThreadWhileTheWindowHandlesEvents) {
    FrmMain& w = slowGame(120);
    watchEventGaps();
    dealComputerFirst(w); // the computer's draw and its discard: two slow decisions
    EXPECT_EQ(counts->begun, 2);
    EXPECT_EQ(counts->ended, 2);
    EXPECT_EQ(counts->overlapped, 0);
    EXPECT_GT(eventsWhileThinking, 10);
    EXPECT_LT(longestGap, std::chrono::milliseconds(50));
    // The turn was played out: the person is to move with ten cards, the computer holds ten.
    EXPECT_EQ(w.turn.computerTurn, kFalse);
    EXPECT_EQ(w.cards.stock.upperBound() + w.cards.rejectPile.upperBound(), 31);
}

TEST_F(OpponentLevels, ANewHandAskedForWhileTheLevelThinksWaitsForTheTurn) {
    FrmMain& w = slowGame(80);
    int asked = 0;
    Hand personsHand;
    platform.onEvents = [&] {
        if (counts->begun > counts->ended && asked++ == 0) {
            personsHand = w.cards.handplayer;
            w.mnuStart_Click(); // the player starts a new hand during the thinking
        }
    };
    dealComputerFirst(w);
    ASSERT_GT(asked, 0);
    EXPECT_EQ(w.cards.handplayer, personsHand); // no new deal under the turn
    EXPECT_EQ(counts->begun, counts->ended);
    EXPECT_EQ(counts->overlapped, 0);
    // The turn went on in the hand it began in.
    EXPECT_EQ(w.turn.computerTurn, kFalse);
    EXPECT_EQ(w.cards.stock.upperBound() + w.cards.rejectPile.upperBound(), 31);
}

TEST_F(OpponentLevels, ClosingTheWindowWhileTheLevelThinksDropsTheAnswerSafely) {
    FrmMain& w = slowGame(300);
    bool closed = false;
    Clock::time_point closedAt;
    platform.onEvents = [&] {
        if (counts->begun > counts->ended && !closed) {
            closed = true;
            closedAt = Clock::now();
            w.close();
        }
    };
    dealComputerFirst(w);
    const auto waited = Clock::now() - closedAt;
    ASSERT_TRUE(closed);
    EXPECT_TRUE(w.isUnloaded());
    EXPECT_EQ(endCalls, 1);
    // The window did not wait for the answer: it let the player go and finished the turn by
    // the table's own rules, asking the player nothing more.
    EXPECT_LT(waited, std::chrono::milliseconds(200));
    EXPECT_FALSE(w.opponent->decides());
    EXPECT_EQ(counts->begun, 1);
    EXPECT_EQ(w.turn.computerTurn, kFalse);
    // The player lives until its decision is over, then goes with the task.
    EXPECT_FALSE(counts->destroyed);
    QThreadPool::globalInstance()->waitForDone();
    EXPECT_EQ(counts->ended, 1);
    EXPECT_TRUE(counts->destroyed);
}

TEST_F(OpponentLevels, HandsAreRecordedUnderTheLevelTheyWerePlayedAt) {
    FrmMain& w = game();
    platform.messages.clear();
    w.opponent->setFactory(standardForAny);
    w.opponent->choose("strong");
    w.statistics->setRummyOpponent("standard");
    // A hand dealt at Strong and tied by the computer's draw from a stock of two.
    w.mnuPlayRummy_Click();
    w.cards.stock.resizeKeep(1);
    w.turn.computerTurn = kTrue;
    w.ComputerDrawFromDeck();
    ASSERT_TRUE(platform.messages.contains("The game is a tie"));
    const StatisticsRecord& r = w.statistics->record();
    const auto at = [&](const char* level) {
        return r.byOpponent[static_cast<size_t>(opponentLevelIndex(level))];
    };
    EXPECT_EQ(at("strong").ties(), 1);
    EXPECT_EQ(at("standard").played(), 0);
    EXPECT_EQ(r.of(currentVariant(w)).ties(), 1);
}
