// The Qt platform: the settings store, waits, the generator, the registry reader and where
// its boxes open.
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <functional>

#include <gtest/gtest.h>

#include "platform/mouse_buttons.h"
#include "platform/qt_platform.h"
#include "platform/random_source.h"

using namespace quillan;

TEST(QtPlatformStore, ReadsDefaultsAndWritesUnderPreferences) {
    QTemporaryDir home;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home.path());
    {
        QtPlatform platform(home.path());
        EXPECT_EQ(platform.readSetting("prfSound", "True"), "True");
        platform.writeSetting("prfSound", "False");
        platform.writeSetting("prfMouseRightLeft ", "0");
        EXPECT_EQ(platform.readSetting("prfSound", "True"), "False");
        EXPECT_TRUE(platform.settingsFile().endsWith("Quillan/Quillan.ini"));
    }
    QSettings file(home.path() + "/Quillan/Quillan.ini", QSettings::IniFormat);
    EXPECT_EQ(file.value("Preferences/prfSound").toString(), "False");
    EXPECT_EQ(file.value("Preferences/prfMouseRightLeft ").toString(), "0");
    EXPECT_EQ(file.childGroups(), QStringList{"Preferences"});
}

TEST(QtPlatformWaits, ShortDelayLetsQueuedEventsRun) {
    QtPlatform platform(QDir::tempPath());
    bool fired = false;
    QTimer::singleShot(0, [&] { fired = true; });
    QElapsedTimer clock;
    clock.start();
    platform.shortDelay(30);
    EXPECT_TRUE(fired);
    EXPECT_GE(clock.elapsed(), 25);
    bool again = false;
    QTimer::singleShot(0, [&] { again = true; });
    platform.doEvents();
    EXPECT_TRUE(again);
}

TEST(QtPlatformClock, TickCountAdvancesAndTimeOfDayIsWithinTheDay) {
    QtPlatform platform(QDir::tempPath());
    const qint64 before = platform.tickCount();
    platform.frameWait(5);
    EXPECT_GE(platform.tickCount() - before, 5);
    EXPECT_GE(platform.timeOfDay(), 0.0);
    EXPECT_LT(platform.timeOfDay(), 86400.0);
}

TEST(RandomSourceTest, NumbersLieInZeroToOne) {
    RandomSource random(7);
    float lowest = 1.0f;
    float highest = 0.0f;
    for (int i = 0; i < 100000; ++i) {
        const float r = random.next();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        lowest = std::min(lowest, r);
        highest = std::max(highest, r);
    }
    EXPECT_LT(lowest, 0.001f);
    EXPECT_GT(highest, 0.999f);
}

TEST(RandomSourceTest, ReseedingWithTheSameClockStillMovesOn) {
    RandomSource random(1);
    random.mixIn(123456789);
    const float first = random.next();
    random.mixIn(123456789);
    const float second = random.next();
    EXPECT_NE(first, second);
    // Two generators in the same state given the same clock agree: the clock is mixed in,
    // not ignored.
    RandomSource a(5);
    RandomSource b(5);
    a.mixIn(42);
    b.mixIn(43);
    EXPECT_NE(a.next(), b.next());
}

TEST(RegistryReader, AnswersOnlyTheMouseQuestion) {
    EXPECT_EQ(readRegistryValue("HKLM", "Control Panel\\Mouse", "SwapMouseButtons", "S", "7"), "7");
    EXPECT_EQ(readRegistryValue("BOGUS", "Control Panel\\Mouse", "SwapMouseButtons", "S", "7"),
              "7");
    EXPECT_EQ(readRegistryValue("HKCU", "Control Panel\\Desktop", "Wallpaper", "S", "x"), "x");
    EXPECT_EQ(readRegistryValue("HKCU", "Control Panel\\Mouse", "SwapMouseButtons", "D", "0"), "0");
    const QString answer =
        readRegistryValue("hkcu", "Control Panel\\Mouse", "SwapMouseButtons", "s", "default");
    const auto swapped = pointerButtonsSwapped();
    EXPECT_EQ(answer, swapped ? (*swapped ? "1" : "0") : "default");
}

namespace {

// Where a modal box opened, and its parent.
struct OpenedBox {
    QWidget* parent = nullptr;
    QPoint centre;
};

} // namespace

// A box asked for while no window is active (the moment after another box has closed) still
// opens in the middle of the main window, not of the screen.
TEST(QtPlatformDialogs, EveryBoxOpensCentredOnTheMainWindow) {
    QtPlatform platform(QDir::tempPath());
    QWidget main;
    main.setGeometry(380, 260, 400, 300); // well off the middle of the screen
    main.show();
    platform.setDialogParent(&main);
    QApplication::setActiveWindow(nullptr);
    const QPoint middle = main.frameGeometry().center();
    const auto expectCentred = [&](const char* which, const std::function<void()>& ask) {
        OpenedBox seen;
        QTimer::singleShot(0, [&seen] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            seen.parent = dialog->parentWidget();
            seen.centre = dialog->frameGeometry().center();
            dialog->reject();
        });
        ask();
        EXPECT_EQ(seen.parent, &main) << which;
        EXPECT_LE((seen.centre - middle).manhattanLength(), 4)
            << which << " at " << seen.centre.x() << "," << seen.centre.y();
    };
    expectCentred("message", [&] { platform.messageBox("The game is a tie", "Quillan"); });
    expectCentred("question", [&] { platform.askYesNo("Start a new game?", "Quillan"); });
    expectCentred("input", [&] { platform.inputBox("Your name", "Congratulations", "anon"); });
}
