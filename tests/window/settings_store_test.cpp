// Loading the settings with the window and writing them back when it closes.
#include <QAction>
#include <QLabel>

#include "cards/deal_rules.h"
#include "support/window_fixture.h"

using namespace quillan;
using quillan::test::WindowTest;

using SettingsStore = WindowTest;

TEST_F(SettingsStore, ClosingWritesEveryKeyInOrderAndEndsTheProgramOnce) {
    FrmMain& w = loaded();
    w.close();
    w.Form_Unload();
    EXPECT_EQ(endCalls, 1);
    EXPECT_TRUE(w.isUnloaded());
    const QStringList order{"prfQNScores",
                            "prfIsQNCustomCardBack",
                            "prfIsPKCustomCardBack",
                            "prfHideDesktop",
                            "prfCardOutlineColor",
                            "prfCardSpace",
                            "prfScrollVal",
                            "prfQNBackFace",
                            "prfPKBackFace",
                            "prfShowPokerPlay",
                            "prfPokerAutoDeal",
                            "prfAnimation",
                            "prfQNAutoSort",
                            "prfShowHide",
                            "prfSound",
                            "isPoker",
                            "prfAnimationDelay",
                            "prfQNBackground",
                            "prfPKBackground",
                            "prfOpQN",
                            "prfOpStandard",
                            "prfOpOklahoma",
                            "prfMouseRightLeft "};
    EXPECT_EQ(platform.settingsWriteOrder, order);
    EXPECT_EQ(platform.settings["isPoker"], "True");
    EXPECT_EQ(platform.settings["prfCardOutlineColor"], "65280");
    EXPECT_EQ(platform.settings["prfMouseRightLeft "], "0");
}

TEST_F(SettingsStore, ARunThatChangesTheBackgroundWritesAllKeysBack) {
    platform.settings = {{"isPoker", "False"},        {"prfSound", "False"},
                         {"prfCardSpace", "24"},      {"prfQNBackFace", "60"},
                         {"prfAnimationDelay", "40"}, {"prfOpStandard", "False"},
                         {"prfOpOklahoma", "True"}};
    addFile("pics/winter.jpg");
    FrmMain& w = loaded();
    w.LoadBackGroundPic("winter.jpg");
    w.Form_Unload();
    EXPECT_EQ(platform.settings["prfQNBackground"], "winter.jpg");
    EXPECT_EQ(platform.settings["isPoker"], "False");
    EXPECT_EQ(platform.settings["prfSound"], "False");
    EXPECT_EQ(platform.settings["prfCardSpace"], "24");
    EXPECT_EQ(platform.settings["prfQNBackFace"], "60");
    EXPECT_EQ(platform.settings["prfAnimationDelay"], "40");
    EXPECT_EQ(platform.settings["prfOpOklahoma"], "True");
    EXPECT_EQ(platform.settings["prfOpStandard"], "False");
    EXPECT_EQ(platform.settings["prfPKBackground"], "vpwood.jpg");
    EXPECT_EQ(platform.settingsWriteOrder.size(), 23);
}

TEST_F(SettingsStore, SpacingAndHandTopComeFromTheSettingAndTheCard) {
    platform.settings["prfCardSpace"] = "0";
    FrmMain& w = loaded();
    EXPECT_EQ(w.cards.cWidth, 71);
    EXPECT_EQ(w.cards.cardSpacing, 16);
    EXPECT_EQ(w.cards.handTop, 19); // 96 * 0.2 = 19.2
}

TEST_F(SettingsStore, ANegativeSpacingIsMeasuredFromTheCardWidth) {
    platform.settings["prfCardSpace"] = "-5";
    FrmMain& w = loaded();
    EXPECT_EQ(w.cards.cardSpacing, 16); // 71 * 0.22 = 15.62
}

TEST_F(SettingsStore, AWideStoredSpacingIsUsedAndWrittenBackAsStored) {
    platform.settings["prfCardSpace"] = "50";
    FrmMain& w = loaded();
    EXPECT_EQ(w.cards.cardSpacing, 50);
    w.Form_Unload();
    EXPECT_EQ(platform.settings["prfCardSpace"], "50");
}

TEST_F(SettingsStore, AHugeStoredSpacingIsKeptButTheTableUsesTheWidestItCanShow) {
    platform.settings["prfCardSpace"] = "32767";
    FrmMain& w = loaded();
    EXPECT_EQ(w.cards.cardSpacing, kWidestCardSpacing);
    EXPECT_LE(w.table.picPlayerHand.size().width(), 11 * kWidestCardSpacing);
    w.Form_Unload();
    EXPECT_EQ(platform.settings["prfCardSpace"], "32767");
    EXPECT_TRUE(platform.messages.isEmpty()) << platform.messages.join("|").toStdString();
}

TEST_F(SettingsStore, TheWinningsLabelIsTakenAtClose) {
    FrmMain& w = loaded();
    w.ui.pklblWinnings->setText("-15");
    w.Form_Unload();
    EXPECT_EQ(w.settings.prfvidPokMoney, -15);
}

TEST_F(SettingsStore, AGarbledWinningsLabelStillLetsTheSettingsBeSaved) {
    FrmMain& w = loaded();
    w.ui.pklblWinnings->setText("lots");
    w.Form_Unload();
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(platform.messages[0], "Error  in  Form_Unload (  Type mismatch  )");
    EXPECT_EQ(platform.settingsWriteOrder.size(), 23);
    EXPECT_EQ(endCalls, 1);
}

TEST_F(SettingsStore, SwappedMouseButtonsAreRecorded) {
    platform.registryAnswer = "1";
    FrmMain& w = loaded();
    EXPECT_EQ(w.settings.prfMouseRightLeft, kFalse);
    w.Form_Unload();
    EXPECT_EQ(platform.settings["prfMouseRightLeft "], "1");
}

TEST_F(SettingsStore, CustomBacksAreLoadedOnlyWhenTheirFilesExist) {
    platform.settings = {{"prfIsQNCustomCardBack", "True"}, {"prfQNCustomBackFace", "missing.bmp"}};
    FrmMain& w = loaded();
    EXPECT_TRUE(w.table.picCustomBack.isNull());
    EXPECT_TRUE(platform.messages.isEmpty());
}

TEST_F(SettingsStore, HideDesktopIsReadAfterTheSplash) {
    platform.settings["prfHideDesktop"] = "yes";
    FrmMain& w = loaded();
    EXPECT_EQ(w.settings.prfHideDesktop, kFalse);
    w.applyHideDesktop();
    EXPECT_EQ(w.settings.prfHideDesktop, kTrue);
    EXPECT_EQ(w.menus.mnuHide->text(), "Show Desktop");
}
