// The Preferences dialog over the real main window: what it shows, what Save and Cancel
// do, the spacing check, the speed slider and the outline colour.
#include <QFrame>
#include <QPushButton>
#include <QTabWidget>

#include "app/settings_rules.h"
#include "prefs_window_fixture.h"

using namespace quillan;
using quillan::test::PrefsWindowTest;

using PrefsDialog = PrefsWindowTest;

TEST_F(PrefsDialog, OpensWithTheCurrentSettings) {
    FrmMain& w = rummyTable();
    w.settings.prfSound = kFalse;
    w.settings.prfPokerAutoDeal = kTrue;
    w.settings.prfShowPokerPlay = kTrue;
    w.settings.prfOpStandard = kFalse;
    w.settings.prfOpOklahoma = kTrue;
    w.settings.prfCardSpace = 24;
    const PreferenceControls& c = open(w).c;
    EXPECT_FALSE(c.ckSounds->isChecked());
    EXPECT_TRUE(c.ckprfAutoDeal->isChecked());
    EXPECT_TRUE(c.opAlwaysShow->isChecked());
    EXPECT_TRUE(c.OpOklahoma->isChecked());
    EXPECT_FALSE(c.OpStandard->isChecked());
    EXPECT_EQ(c.txtSpacer->text(), "24");
    EXPECT_EQ(c.Combo1->currentIndex(), 1); // Plaid, design 54
    EXPECT_EQ(c.lblColor->palette().color(QPalette::Window), QColor(0, 255, 0));
}

TEST_F(PrefsDialog, SaveWritesEveryControlBack) {
    FrmMain& w = rummyTable();
    const PreferenceControls& c = open(w).c;
    c.ckSounds->setChecked(false);
    c.ckAnimation->setChecked(false);
    c.ckprfAutoDeal->setChecked(true);
    c.opAlwaysShow->setChecked(true);
    c.ckAutoSort->setChecked(false);
    c.ckQNScores->setChecked(false);
    c.OpQN->setChecked(true);
    c.txtSpacer->setText("25");
    c.HScroll1->setValue(800);
    c.cmdSave->click();
    const Settings& s = w.settings;
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(s.prfSound, kFalse);
    EXPECT_EQ(s.prfAnimation, kFalse);
    EXPECT_EQ(s.prfPokerAutoDeal, kTrue);
    EXPECT_EQ(s.prfShowPokerPlay, kTrue);
    EXPECT_EQ(s.prfQNAutoSort, kFalse);
    EXPECT_EQ(s.prfQNScores, kFalse);
    EXPECT_EQ(s.prfOpQN, kTrue);
    EXPECT_EQ(w.rummy.MAXDEADWOOD, 0);
    EXPECT_EQ(s.prfCardSpace, 25);
    EXPECT_EQ(s.prfScrollVal, 800);
    EXPECT_EQ(s.prfAnimationDelay, 200);
    EXPECT_TRUE(platform.messages.isEmpty()) << platform.messages.join("|").toStdString();
}

TEST_F(PrefsDialog, VariantsSetTheKnockLimitOnlyForStandardAndSimple) {
    FrmMain& w = rummyTable();
    w.settings.prfOpStandard = kFalse;
    w.settings.prfOpQN = kTrue;
    w.rummy.MAXDEADWOOD = 0;
    open(w).c.OpStandard->setChecked(true);
    dialog->cmdSave_Click();
    EXPECT_EQ(w.rummy.MAXDEADWOOD, 10);
    EXPECT_EQ(w.settings.prfOpQN, kFalse);
    w.rummy.MAXDEADWOOD = 8; // dealt by an Oklahoma up-card
    open(w).c.OpOklahoma->setChecked(true);
    dialog->cmdSave_Click();
    EXPECT_EQ(w.settings.prfOpOklahoma, kTrue);
    EXPECT_EQ(w.settings.prfOpStandard, kFalse);
    EXPECT_EQ(w.rummy.MAXDEADWOOD, 8);
}

TEST_F(PrefsDialog, CancelSavesNothing) {
    FrmMain& w = rummyTable();
    const auto before = settingsToWrite(w.settings);
    const int16 knockLimit = w.rummy.MAXDEADWOOD;
    const PreferenceControls& c = open(w).c;
    c.ckSounds->setChecked(false);
    c.OpQN->setChecked(true);
    c.txtSpacer->setText("33");
    c.Combo1->setCurrentIndex(11);
    c.cmdCancel->click();
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(settingsToWrite(w.settings), before);
    EXPECT_EQ(w.rummy.MAXDEADWOOD, knockLimit);
}

TEST_F(PrefsDialog, SpacingOutsideTenToFortyIsRefusedAndNothingIsSaved) {
    FrmMain& w = rummyTable();
    for (const char* bad : {"9", "41", "-3"}) {
        const PreferenceControls& c = open(w).c;
        dialog->show();
        c.ckSounds->setChecked(false);
        c.txtSpacer->setText(bad);
        c.tabs->setCurrentIndex(2);
        c.cmdSave->click();
        ASSERT_EQ(platform.messages.size(), 1) << bad;
        EXPECT_EQ(platform.messages.takeFirst(),
                  "Card space data should be a number between 10 and 40");
        EXPECT_EQ(platform.messageTitles.takeFirst(), FrmMain::programTitle());
        EXPECT_TRUE(c.txtSpacer->text().isEmpty());
        EXPECT_EQ(c.tabs->currentIndex(), 0); // the box is brought into view
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(w.settings.prfSound, kTrue);
        EXPECT_EQ(w.settings.prfCardSpace, 16);
    }
}

TEST_F(PrefsDialog, SpacingLimitsAreAcceptedAndAnEmptyBoxKeepsTheSpacing) {
    FrmMain& w = rummyTable();
    w.settings.prfCardSpace = 0; // automatic: the box shows 20 and Save makes it 20
    EXPECT_EQ(open(w).c.txtSpacer->text(), "20");
    dialog->cmdSave_Click();
    EXPECT_EQ(w.settings.prfCardSpace, 20);
    for (const int good : {10, 40}) {
        open(w).c.txtSpacer->setText(QString::number(good));
        dialog->cmdSave_Click();
        EXPECT_EQ(w.settings.prfCardSpace, good);
    }
    const PreferenceControls& c = open(w).c;
    c.txtSpacer->clear();
    c.ckSounds->setChecked(false);
    dialog->cmdSave_Click();
    EXPECT_EQ(w.settings.prfCardSpace, 40);
    EXPECT_EQ(w.settings.prfSound, kFalse);
    EXPECT_TRUE(platform.messages.isEmpty());
}

TEST_F(PrefsDialog, SpacingTextThatIsNoNumberKeepsTheSpacingAndSavesTheRest) {
    FrmMain& w = rummyTable();
    for (const char* text : {"abc", "12px"}) {
        const PreferenceControls& c = open(w).c;
        c.txtSpacer->setText(text);
        c.ckSounds->setChecked(!c.ckSounds->isChecked());
        const int16 sound = toFlag(c.ckSounds->isChecked());
        c.cmdSave->click();
        EXPECT_EQ(dialog->result(), QDialog::Accepted) << text;
        EXPECT_EQ(w.settings.prfCardSpace, 16) << text;
        EXPECT_EQ(w.settings.prfSound, sound) << text;
    }
    EXPECT_TRUE(platform.messages.isEmpty()) << platform.messages.join("|").toStdString();
}

// Setting the slider from prfScrollVal moves it, and the move sets the delay and Label4 as a
// move by the player would; a slider already at that position changes nothing.
TEST_F(PrefsDialog, OpeningMovesTheSliderToTheStoredPositionWhichSetsTheDelay) {
    FrmMain& w = rummyTable();
    w.settings.prfScrollVal = 640;
    w.settings.prfAnimationDelay = 0;
    const PreferenceControls& c = open(w).c;
    EXPECT_EQ(c.HScroll1->value(), 640);
    EXPECT_EQ(c.Label4->text(), "360");
    EXPECT_EQ(w.settings.prfAnimationDelay, 360);
    c.cmdCancel->click();
    EXPECT_EQ(w.settings.prfAnimationDelay, 360);
    EXPECT_EQ(w.settings.prfScrollVal, 640);

    w.settings.prfScrollVal = 0; // where the slider starts
    w.settings.prfAnimationDelay = 40;
    EXPECT_EQ(open(w).c.Label4->text(), "100");
    EXPECT_EQ(w.settings.prfAnimationDelay, 40);
}

TEST_F(PrefsDialog, SliderSetsTheDelayAtOnceAndCancelKeepsIt) {
    FrmMain& w = rummyTable();
    const PreferenceControls& c = open(w).c;
    for (const auto& [position, delay] : {std::pair{0, 6000}, {499, 511}, {500, 500}, {1000, 0}}) {
        c.HScroll1->setValue(position);
        EXPECT_EQ(w.settings.prfAnimationDelay, delay) << position;
        EXPECT_EQ(c.Label4->text(), QString::number(delay)) << position;
    }
    c.HScroll1->setValue(300);
    const int16 scrollVal = w.settings.prfScrollVal;
    c.cmdCancel->click();
    EXPECT_EQ(w.settings.prfAnimationDelay, 2700);
    EXPECT_EQ(w.settings.prfScrollVal, scrollVal); // the position is kept only by Save
}

TEST_F(PrefsDialog, ColourDialogSetsTheOutlineAtOnceAndCancellingKeepsIt) {
    FrmMain& w = pokerTable();
    const PreferenceControls& c = open(w).c;
    platform.colourAnswer = std::nullopt;
    c.cmdChangeColor->click();
    EXPECT_EQ(w.settings.prfCardOutlineColor, 65280);
    EXPECT_EQ(c.lblColor->palette().color(QPalette::Window), QColor(0, 255, 0));

    platform.colourAnswer = QColor(255, 0, 0x80);
    c.cmdChangeColor->click();
    EXPECT_EQ(w.settings.prfCardOutlineColor, 0x8000FF); // blue in the high byte
    EXPECT_EQ(c.lblColor->palette().color(QPalette::Window), QColor(255, 0, 0x80));
    for (QFrame* shape : w.table.Shape1) {
        EXPECT_TRUE(shape->styleSheet().contains("#ff0080")) << shape->styleSheet().toStdString();
    }
    c.cmdCancel->click();
    EXPECT_EQ(w.settings.prfCardOutlineColor, 0x8000FF);
}
