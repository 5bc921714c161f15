// Peek and Show Hand / Hide Hand on the real window: the limit of two peeks a hand, the
// peek sound, and the computer's hand face up or down.
#include <QAction>

#include "support/window_fixture.h"
#include "table/hand_painting.h"
#include "window/table_pixels.h"

using namespace quillan;
using quillan::test::pixelsOf;
using quillan::test::WindowTest;

namespace {

class ExtrasPeek : public WindowTest {
  protected:
    FrmMain& rummy() {
        platform.settings["isPoker"] = "False";
        FrmMain& w = loaded();
        platform.messages.clear();
        platform.sounds.clear();
        return w;
    }
    QImage computerHand() { return pixelsOf(window().table.picComputerHand.picture()); }

    // The computer's hand as the table paints it face up.
    QImage computerFacesByTable() {
        FrmMain& w = window();
        const int16 saved = w.settings.prfShowHide;
        w.settings.prfShowHide = kFalse;
        w.refreshHand(kNoSkip, false, true);
        w.settings.prfShowHide = saved;
        return computerHand();
    }
};

} // namespace

TEST_F(ExtrasPeek, ShowsTheFacesForTwoSecondsThenTheBacksAgain) {
    FrmMain& w = rummy();
    const QImage backs = computerHand();
    QImage during;
    platform.onDelay = [&](int ms) {
        if (ms == 2000) {
            during = computerHand();
        }
    };
    w.mnuPeek_Click();
    platform.onDelay = nullptr;
    EXPECT_EQ(computerHand(), backs);
    EXPECT_EQ(during, computerFacesByTable());
    EXPECT_NE(during, backs);
    EXPECT_EQ(w.rummy.peekCount, 1);
    EXPECT_TRUE(platform.messages.isEmpty()) << platform.messages.join("|").toStdString();
}

TEST_F(ExtrasPeek, TheThirdPeekOfAHandIsRefusedAndANewHandAllowsTwoMore) {
    FrmMain& w = rummy();
    w.mnuPeek_Click();
    w.mnuPeek_Click();
    const int delays = platform.delayCalls;
    const QImage backs = computerHand();
    platform.onDelay = [&](int) { ADD_FAILURE() << "the refused peek waited"; };
    w.mnuPeek_Click();
    platform.onDelay = nullptr;
    EXPECT_EQ(platform.messages, QStringList{"Only 2 peeks per game.."});
    EXPECT_EQ(platform.messageTitles, QStringList{FrmMain::programTitle()});
    EXPECT_EQ(platform.delayCalls, delays);
    EXPECT_EQ(computerHand(), backs);
    EXPECT_EQ(w.rummy.peekCount, 2);

    w.cmdPlayAgain_Click();
    EXPECT_EQ(w.rummy.peekCount, 0);
    platform.messages.clear();
    w.mnuPeek_Click();
    w.mnuPeek_Click();
    EXPECT_TRUE(platform.messages.isEmpty());
    w.mnuPeek_Click();
    EXPECT_EQ(platform.messages, QStringList{"Only 2 peeks per game.."});
}

TEST_F(ExtrasPeek, TheSoundPlaysOnlyWhenTheDrawOfOneToFiveIsThree) {
    addFile("wavs/peek.wav");
    FrmMain& w = rummy();
    const int reseeds = platform.reseeds;
    // Draws 1..5 from int(rnd * 5 + 1); only 3 plays the sound.
    const std::vector<std::pair<float, bool>> cases = {
        {0.0f, false}, {0.39f, false}, {0.4f, true}, {0.59f, true}, {0.6f, false}, {0.99f, false}};
    for (const auto& [rnd, plays] : cases) {
        platform.sounds.clear();
        platform.rndAnswers = {rnd};
        w.rummy.peekCount = 0;
        w.mnuPeek_Click();
        EXPECT_EQ(platform.sounds.size(), plays ? 1 : 0) << "rnd " << rnd;
        if (plays && !platform.sounds.isEmpty()) {
            EXPECT_TRUE(platform.sounds.front().endsWith("/wavs/peek.wav"))
                << platform.sounds.front().toStdString();
        }
    }
    EXPECT_EQ(platform.reseeds, reseeds + static_cast<int>(cases.size()));

    w.settings.prfSound = kFalse;
    platform.sounds.clear();
    platform.rndAnswers = {0.5f};
    w.rummy.peekCount = 0;
    w.mnuPeek_Click();
    EXPECT_TRUE(platform.sounds.isEmpty());
}

TEST_F(ExtrasPeek, ShowHandTurnsTheHandFaceUpAndDisablesPeekHideHandUndoesIt) {
    FrmMain& w = rummy();
    ASSERT_EQ(w.settings.prfShowHide, kTrue);
    const QImage backs = computerHand();
    w.mnuShowComputerHand_Click();
    EXPECT_EQ(w.settings.prfShowHide, kFalse);
    EXPECT_EQ(w.menus.mnuShowComputerHand->text(), "Hide Hand");
    EXPECT_FALSE(w.menus.mnuPeek->isEnabled());
    const QImage faces = computerHand();
    EXPECT_EQ(faces, computerFacesByTable());

    w.turn.gameStarted = kTrue; // hiding is allowed at any time
    w.mnuShowComputerHand_Click();
    EXPECT_EQ(w.settings.prfShowHide, kTrue);
    EXPECT_EQ(w.menus.mnuShowComputerHand->text(), "Show Hand");
    EXPECT_TRUE(w.menus.mnuPeek->isEnabled());
    EXPECT_EQ(computerHand(), backs);
    EXPECT_TRUE(platform.messages.isEmpty()) << platform.messages.join("|").toStdString();
}

TEST_F(ExtrasPeek, ShowHandIsRefusedOnceThePlayerHasDiscarded) {
    FrmMain& w = rummy();
    const QImage backs = computerHand();
    w.turn.gameStarted = kTrue;
    w.mnuShowComputerHand_Click();
    EXPECT_EQ(platform.messages,
              QStringList{"This option can only be set before a game has started"});
    EXPECT_EQ(w.settings.prfShowHide, kTrue);
    EXPECT_EQ(w.menus.mnuShowComputerHand->text(), "Show Hand");
    EXPECT_TRUE(w.menus.mnuPeek->isEnabled());
    EXPECT_EQ(computerHand(), backs);
}

TEST_F(ExtrasPeek, InVideoPokerPeekAndShowHandAreOffAndAPeekDoesNothing) {
    FrmMain& w = loaded();
    ASSERT_EQ(w.settings.isPoker, kTrue);
    EXPECT_FALSE(w.menus.mnuPeek->isEnabled());
    EXPECT_FALSE(w.menus.mnuShowComputerHand->isEnabled());
    const int delays = platform.delayCalls;
    w.mnuPeek_Click();
    EXPECT_EQ(w.rummy.peekCount, 0);
    EXPECT_EQ(platform.delayCalls, delays);
}
