// The "Table Size" submenu and its stored choice: a section of its own in the settings file,
// beside the preferences, which it leaves alone.
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <vector>

#include "app/table_size_menu.h"
#include "platform/table_size_store.h"

using namespace quillan;

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

} // namespace

TEST(TableSizeMenu, ListsTheSizesChecksTheStoredOneAndSaysWhenAChangeShows) {
    const TableSizeMenu menu(TableSize::Percent150, 150, [](TableSize) {});
    EXPECT_EQ(menu.title(), "Table Si&ze");
    EXPECT_EQ(captions(menu), (QStringList{"&Automatic", "100%", "125%", "150%", "200%", "-",
                                           "Now 150%. A new size takes effect at the next start"}));
    EXPECT_TRUE(item(menu, "150%")->isChecked());
    EXPECT_FALSE(item(menu, "&Automatic")->isChecked());
    EXPECT_FALSE(menu.actions().last()->isEnabled());

    const TableSizeMenu bySystem(TableSize::Automatic, 0, [](TableSize) {});
    EXPECT_TRUE(captions(bySystem).last().startsWith("Now set by QT_SCALE_FACTOR."));
}

TEST(TableSizeMenu, AChoiceIsStoredOnceAndMovesTheCheckMark) {
    std::vector<TableSize> stored;
    TableSizeMenu menu(TableSize::Automatic, 125, [&](TableSize s) { stored.push_back(s); });
    item(menu, "200%")->trigger();
    EXPECT_EQ(stored, std::vector{TableSize::Percent200});
    EXPECT_TRUE(item(menu, "200%")->isChecked());
    EXPECT_FALSE(item(menu, "&Automatic")->isChecked());
    item(menu, "200%")->trigger(); // the same size again: nothing new to store
    EXPECT_EQ(stored.size(), 1u);
    item(menu, "&Automatic")->trigger();
    EXPECT_EQ(stored.back(), TableSize::Automatic);
    EXPECT_EQ(menu.chosen(), TableSize::Automatic);
}

TEST(TableSizeStore, KeepsTheChoiceInItsOwnSectionAndLeavesThePreferencesAlone) {
    QTemporaryDir home;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home.path());
    const QString file = home.path() + "/Quillan/Quillan.ini";
    {
        QSettings prefs(file, QSettings::IniFormat);
        prefs.setValue("Preferences/prfSound", "False");
    }
    EXPECT_EQ(readTableSize(), TableSize::Automatic);
    writeTableSize(TableSize::Percent125);
    EXPECT_EQ(readTableSize(), TableSize::Percent125);
    {
        QSettings check(file, QSettings::IniFormat);
        EXPECT_EQ(check.value("Display/TableSize").toString(), "125");
        EXPECT_EQ(check.value("Preferences/prfSound").toString(), "False");
        EXPECT_EQ(check.allKeys().size(), 2);
        check.setValue("Display/TableSize", "huge");
    }
    EXPECT_EQ(readTableSize(), TableSize::Automatic);
}
