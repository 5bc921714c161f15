// The desktop cover, the help call, the position dump and the About box on the real window.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>

#include "extras/position_dump_rules.h"
#include "support/window_fixture.h"

using namespace quillan;
using quillan::test::WindowTest;

namespace {

using ExtrasDesktop = WindowTest;
using ExtrasHelpAndAbout = WindowTest;
using ExtrasSavePosition = WindowTest;

QString readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

TEST_F(ExtrasDesktop, HideDesktopTwiceCoversThenRestoresTheDesktop) {
    FrmMain& w = loaded();
    w.mnuHide_Click();
    ASSERT_TRUE(w.periphery.frmHide);
    const FrmHide* cover = w.periphery.frmHide.get();
    EXPECT_TRUE(cover->isVisible());
    EXPECT_EQ(cover->geometry(), w.screen()->geometry());
    EXPECT_EQ(w.settings.prfHideDesktop, kTrue);
    EXPECT_EQ(w.menus.mnuHide->text(), "Show Desktop");

    w.mnuHide_Click();
    EXPECT_FALSE(cover->isVisible());
    EXPECT_EQ(w.settings.prfHideDesktop, kFalse);
    EXPECT_EQ(w.menus.mnuHide->text(), "Hide Desktop");

    w.mnuHide_Click(); // the same cover comes back
    EXPECT_EQ(w.periphery.frmHide.get(), cover);
    EXPECT_TRUE(cover->isVisible());
}

TEST_F(ExtrasDesktop, AStoredFlagOtherThanFalseStartsWithTheCoverAndIsWrittenBack) {
    for (const char* stored : {"True", "1"}) {
        platform.settings["prfHideDesktop"] = stored;
        FrmMain w(platform);
        w.Form_Load();
        w.applyHideDesktop();
        ASSERT_TRUE(w.periphery.frmHide) << stored;
        EXPECT_TRUE(w.periphery.frmHide->isVisible());
        EXPECT_EQ(w.menus.mnuHide->text(), "Show Desktop");
        w.mnuHide_Click();
        w.Form_Unload();
        EXPECT_EQ(platform.settings["prfHideDesktop"], "False");
    }
    platform.settings["prfHideDesktop"] = "False";
    FrmMain& w = loaded();
    w.applyHideDesktop();
    EXPECT_FALSE(w.periphery.frmHide);
    EXPECT_EQ(w.menus.mnuHide->text(), "Hide Desktop");
}

TEST_F(ExtrasDesktop, ActivatingOrClickingTheCoverGivesTheFocusBackToTheTable) {
    FrmMain& w = loaded();
    w.show();
    w.mnuHide_Click();
    FrmHide& cover = *w.periphery.frmHide;
    QApplication::setActiveWindow(&cover);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), &w);

    QWidget other; // the focus is elsewhere when the cover is clicked
    other.show();
    other.activateWindow();
    QApplication::processEvents();
    ASSERT_EQ(QApplication::activeWindow(), &other);
    QMouseEvent click(QEvent::MouseButtonPress, QPointF(20, 20), QPointF(20, 20), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&cover, &click);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), &w);
}

TEST_F(ExtrasHelpAndAbout, ContentsOpensTheHelpFileOfTheProgramFolder) {
    FrmMain& w = loaded();
    w.mnuContents_Click();
    EXPECT_EQ(platform.helpShown, QStringList{folder.path() + "/felton.hlp"});
    w.helpFile = "/elsewhere/felton.hlp"; // what start-up sets is what is opened
    w.mnuContents_Click();
    EXPECT_EQ(platform.helpShown.last(), "/elsewhere/felton.hlp");
}

TEST_F(ExtrasHelpAndAbout, AboutIsModelessShowsTheVersionAndOkUnloadsIt) {
    FrmMain& w = loaded();
    w.mnuAbout_Click();
    QPointer<FrmAbout> about = w.periphery.frmAbout;
    ASSERT_FALSE(about.isNull());
    EXPECT_TRUE(about->isVisible());
    EXPECT_FALSE(about->isModal());
    EXPECT_EQ(about->lblVersion->text(), QStringLiteral("Version %1.%2.%3")
                                             .arg(QUILLAN_VERSION_MAJOR)
                                             .arg(QUILLAN_VERSION_MINOR)
                                             .arg(QUILLAN_VERSION_PATCH));
    EXPECT_EQ(about->cmdOK->text(), "OK");

    w.mnuAbout_Click(); // a second choice brings the same box forward
    EXPECT_EQ(w.periphery.frmAbout, about);

    about->cmdOK->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(about.isNull());
    w.mnuAbout_Click();
    EXPECT_FALSE(w.periphery.frmAbout.isNull());
}

TEST_F(ExtrasSavePosition, WritesBothHandsToBugTxtAndReplacesAnEarlierDump) {
    FrmMain& w = loaded();
    const QString path = folder.path() + "/bug.txt";
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(5000, 'x'));
    }
    setCard(w.cards.handplayer[10], 42);
    w.mnuSavePosition_Click();
    const QString expected =
        QString::fromStdString(positionDumpText(w.cards.handplayer, w.cards.handComputer));
    EXPECT_EQ(readAll(path), expected);
    EXPECT_TRUE(expected.contains("handplayer(10).cardvalue = 42\n"));
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_TRUE(platform.messages[0].startsWith("Position saved to.. \n" + path + "\n\n"))
        << platform.messages[0].toStdString();

    setCard(w.cards.handplayer[10], 7);
    w.mnuSavePosition_Click();
    EXPECT_EQ(readAll(path),
              QString::fromStdString(positionDumpText(w.cards.handplayer, w.cards.handComputer)));
}

TEST_F(ExtrasSavePosition, AFileThatCannotBeWrittenIsReportedNotAnnouncedAsSaved) {
    FrmMain& w = loaded();
    ASSERT_TRUE(QDir(folder.path()).mkdir("bug.txt")); // a folder in the file's place
    platform.messages.clear();
    w.mnuSavePosition_Click();
    EXPECT_EQ(platform.messages,
              QStringList{"Error  in  mnuSavePosition_Click (  Path/File access error  )"});
    EXPECT_TRUE(QFileInfo(folder.path() + "/bug.txt").isDir());
}
