// The status line and the error trap.
#include <QLabel>
#include <vector>

#include "support/window_fixture.h"

using namespace quillan;
using quillan::test::WindowTest;

namespace {

QColor textColour(const QLabel* label) {
    return label->palette().color(QPalette::WindowText);
}

} // namespace

using StatusLine = WindowTest;

TEST_F(StatusLine, FadesInTwentyStepsWithFiveMillisecondWaits) {
    FrmMain& w = window();
    std::vector<QColor> colours;
    std::vector<int> waits;
    platform.onDelay = [&](int ms) {
        waits.push_back(ms);
        colours.push_back(textColour(w.ui.lblStatus));
    };
    w.ShowStatus("Dealing..");
    EXPECT_EQ(w.ui.lblStatus->text(), "Dealing..");
    ASSERT_EQ(waits.size(), 20u);
    for (std::size_t k = 0; k < 20; ++k) {
        const int step = static_cast<int>(k) + 1;
        EXPECT_EQ(waits[k], 5);
        EXPECT_EQ(colours[k], QColor(10 * step, 7 * step, 8 * step)) << step;
    }
    EXPECT_EQ(textColour(w.ui.lblStatus), QColor(200, 140, 160));
}

TEST_F(StatusLine, TheSameTextDoesNotRestartTheFade) {
    FrmMain& w = window();
    w.ShowStatus("Click the Deck to deal");
    const int waits = platform.delayCalls;
    w.ShowStatus("Click the Deck to deal");
    EXPECT_EQ(platform.delayCalls, waits);
    EXPECT_EQ(textColour(w.ui.lblStatus), QColor(200, 140, 160));
}

TEST_F(StatusLine, AnEmptyTextNeverErasesTheKnockHint) {
    FrmMain& w = window();
    w.ShowStatus("Double-Click the screen to Knock");
    w.ShowStatus("");
    EXPECT_EQ(w.ui.lblStatus->text(), "Double-Click the screen to Knock");
}

TEST_F(StatusLine, AnEmptyTextClearsAnyOtherLineWithoutFading) {
    FrmMain& w = window();
    w.ShowStatus("Dealing..");
    const int waits = platform.delayCalls;
    w.ShowStatus("");
    EXPECT_EQ(w.ui.lblStatus->text(), "");
    EXPECT_EQ(platform.delayCalls, waits);
    EXPECT_EQ(textColour(w.ui.lblStatus), QColor(0, 0, 0));
}

using ErrorTrap = WindowTest;

TEST_F(ErrorTrap, ShowsTheProcedureAndDescriptionAndCarriesOn) {
    FrmMain& w = window();
    bool after = false;
    w.trap("picDeal_Click", [] { raiseOverflow(); });
    w.trap("shuffleCards", [] { raiseSubscriptOutOfRange(); });
    w.trap("other", [&] { after = true; });
    ASSERT_EQ(platform.messages.size(), 2);
    EXPECT_EQ(platform.messages[0], "Error  in  picDeal_Click (  Overflow  )");
    EXPECT_EQ(platform.messages[1], "Error  in  shuffleCards (  Subscript out of range  )");
    EXPECT_EQ(platform.messageTitles[0], "Quillan");
    EXPECT_TRUE(after);
}

TEST_F(ErrorTrap, ACountdownLabelThatOverflowsIsReportedByTimer1) {
    FrmMain& w = window();
    w.ui.pkLabelTimer->setText("-32768");
    w.Timer1_Timer();
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(platform.messages[0], "Error  in  Timer1_Timer (  Overflow  )");
    EXPECT_EQ(w.ui.pkLabelTimer->text(), "-32768");
}

using Countdown = WindowTest;

TEST_F(Countdown, CountsDownAndPromptsAtNinetyEight) {
    FrmMain& w = window();
    w.ui.pkLabelTimer->setText("100");
    w.Timer1_Timer();
    EXPECT_EQ(w.ui.pkLabelTimer->text(), "99");
    w.Timer1_Timer();
    EXPECT_EQ(w.ui.pkLabelTimer->text(), "98");
    EXPECT_EQ(w.ui.lblStatus->text(), "Click the Deck to deal");
}

TEST_F(Countdown, AtZeroTheRunEndsAndTheCounterRestarts) {
    FrmMain& w = window();
    w.ui.pkLabelTimer->setText("1");
    w.ui.pkLabelHands->setText("12");
    w.settings.prfvidPokPerfPlay = 5;
    w.Timer1_Timer();
    EXPECT_EQ(w.ui.pkLabelTimer->text(), "100");
    EXPECT_EQ(w.ui.pkLabelHands->text(), "0");
    EXPECT_EQ(w.settings.prfvidPokPerfPlay, 0);
    EXPECT_TRUE(platform.messages.isEmpty());
}
