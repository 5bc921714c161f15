// The "Card Backs" tab over the real main window, the table laid out again after a
// spacing change, and the menu item that opens the dialog.
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include "prefs/card_spacing_change.h"
#include "prefs_window_fixture.h"
#include "table/card_back_painter.h"
#include "table/table_canvas.h"

using namespace quillan;
using quillan::test::PrefsWindowTest;

namespace {

// Marks the top deal pile picture so a later redraw of it can be seen.
void markDealPile(FrmMain& w) {
    w.table.picDeal[0].picture().fill(Qt::magenta);
}
bool dealPileRedrawn(const FrmMain& w) {
    const QImage top = w.table.picDeal[0].picture().toImage();
    return top.pixelColor(top.width() / 2, top.height() / 2) != QColor(Qt::magenta);
}

// The preview of a back design as our card painter draws it, one pixel in from the corner.
QImage designPreview(FrmMain& w, const PreferenceControls& c, int design) {
    QPixmap expected(c.picBacks->size() * c.picBacks->devicePixelRatioF());
    expected.setDevicePixelRatio(c.picBacks->devicePixelRatioF());
    expected.fill(Qt::transparent);
    QPainter painter(&expected);
    CardBackPainter(w.cardLibrary(), design, nullptr, QSize(71, 96)).draw(painter, 1, 1);
    painter.end();
    return expected.toImage();
}

// Types `text` into the box as the player would, key by key.
void typeInto(QLineEdit* box, const QString& text) {
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(box, &press);
    }
}

} // namespace

using PrefsBacks = PrefsWindowTest;

TEST_F(PrefsBacks, ListsTheDesignsThenThePicturesAndPreviewsWithOurPainter) {
    addBackPicture("compass.png", Qt::red);
    addBackPicture("mosaic.png", Qt::blue);
    FrmMain& w = rummyTable();
    const PreferenceControls& c = open(w).c;
    ASSERT_EQ(c.Combo1->count(), 15);
    EXPECT_EQ(c.Combo1->itemText(0), "Hatch");
    EXPECT_EQ(c.Combo1->itemText(12), "Sleeve");
    EXPECT_EQ(c.Combo1->itemText(13), "compass.png");
    EXPECT_EQ(c.picBacks->size(), QSize(73, 98));

    EXPECT_EQ(c.picBacks->pixmap().toImage(), designPreview(w, c, 54)); // the back in use
    c.Combo1->setCurrentIndex(11);
    EXPECT_EQ(c.picBacks->pixmap().toImage(), designPreview(w, c, 64));

    c.Combo1->setCurrentIndex(14);
    const QImage preview = c.picBacks->pixmap().toImage();
    EXPECT_EQ(preview.pixelColor(preview.width() / 2, preview.height() / 2), QColor(Qt::blue));
}

TEST_F(PrefsBacks, BeachInVideoPokerChangesOnlyThePokerBackAndRedrawsThePile) {
    FrmMain& w = pokerTable();
    open(w).c.Combo1->setCurrentIndex(11);
    markDealPile(w);
    dialog->cmdSave_Click();
    EXPECT_EQ(w.settings.prfPKBackFace, 64);
    EXPECT_EQ(w.settings.prfQNBackFace, 54);
    EXPECT_TRUE(dealPileRedrawn(w));

    open(w); // Beach is now the back in use: saving it again draws nothing
    EXPECT_EQ(dialog->c.Combo1->currentIndex(), 11);
    markDealPile(w);
    dialog->cmdSave_Click();
    EXPECT_FALSE(dealPileRedrawn(w));
}

TEST_F(PrefsBacks, ACustomPictureIsLoadedAndShownWhenTheDialogOpensAgain) {
    addBackPicture("compass.png", Qt::red, QSize(50, 70));
    FrmMain& w = rummyTable();
    open(w).c.Combo1->setCurrentIndex(13);
    markDealPile(w);
    dialog->cmdSave_Click();
    EXPECT_EQ(w.settings.prfIsQNCustomCardBack, kTrue);
    EXPECT_EQ(w.settings.prfQNCustomBackFace, "compass.png");
    EXPECT_EQ(w.settings.prfQNBackFace, -1);
    EXPECT_EQ(w.settings.prfIsPKCustomCardBack, kFalse);
    EXPECT_EQ(w.table.picCustomBack.size(), QSize(50, 70));
    EXPECT_TRUE(dealPileRedrawn(w));

    EXPECT_EQ(open(w).c.Combo1->currentIndex(), 13);
    EXPECT_FALSE(dialog->c.picBacks->pixmap().isNull());
}

TEST_F(PrefsBacks, AMissingOrBrokenPictureKeepsTheBackInUse) {
    addBackPicture("gone.png", Qt::red);
    addFile("pics/backs/broken.jpg"); // one byte, not a picture
    FrmMain& w = rummyTable();
    for (const QString name : {"gone.png", "broken.jpg"}) {
        const PreferenceControls& c = open(w).c;
        QFile::remove(folder.path() + "/pics/backs/gone.png");
        c.Combo1->setCurrentIndex(indexOf(name));
        EXPECT_TRUE(c.picBacks->pixmap().isNull()) << name.toStdString();
        c.cmdSave->click();
        EXPECT_EQ(w.settings.prfQNBackFace, 54);
        EXPECT_EQ(w.settings.prfIsQNCustomCardBack, kFalse);
        EXPECT_TRUE(w.table.picCustomBack.isNull());
    }
    EXPECT_TRUE(platform.messages.isEmpty()) << platform.messages.join("|").toStdString();
}

using PrefsSpacingChange = PrefsWindowTest;

TEST_F(PrefsSpacingChange, LaysTheTableOutAgainKeepingTheHandAndTheBanks) {
    FrmMain& w = rummyTable();
    w.banks.prfPlayerBank = 37;
    w.banks.prfComputerBank = 12;
    const Hand hand = w.cards.handplayer;
    const long stock = w.cards.stock.upperBound();
    const PreferenceControls& c = open(w).c;
    c.txtSpacer->selectAll();
    typeInto(c.txtSpacer, "32");
    ASSERT_EQ(c.txtSpacer->text(), "32");
    EXPECT_EQ(w.spaceChanged, kTrue);
    dialog->cmdSave_Click();
    applyCardSpacingChange(w);

    EXPECT_EQ(w.cards.cardSpacing, 32);
    EXPECT_EQ(w.spaceChanged, kFalse);
    EXPECT_EQ(w.table.picPlayerHand.rect().width(), 10 * 32 + 71);
    EXPECT_EQ(w.banks.prfPlayerBank, 37);
    EXPECT_EQ(w.banks.prfComputerBank, 12);
    EXPECT_EQ(w.cards.stock.upperBound(), stock); // no new deal
    for (int k = 0; k < 10; ++k) {
        EXPECT_EQ(w.cards.handplayer[k].cardvalue, hand[k].cardvalue) << k;
        EXPECT_EQ(w.cards.handplayer[k].x, hand[k].x * 2) << k;
    }
    EXPECT_TRUE(w.table.picPlayerHand.isVisible());
    EXPECT_TRUE(platform.messages.isEmpty()) << platform.messages.join("|").toStdString();
}

TEST_F(PrefsSpacingChange, LaysNothingOutWhileVideoPokerIsOnTheTable) {
    FrmMain& w = pokerTable();
    open(w).c.txtSpacer->setText("30");
    w.spaceChanged = kTrue;
    dialog->cmdSave_Click();
    applyCardSpacingChange(w);
    EXPECT_EQ(w.cards.cardSpacing, 16);
    EXPECT_EQ(w.settings.prfCardSpace, 30);
    EXPECT_EQ(w.spaceChanged, kFalse); // the flag went with the dialog that set it
}

TEST_F(PrefsBacks, MoreOptionsOpensTheDialogModally) {
    FrmMain& w = rummyTable();
    QString title;
    QTimer::singleShot(0, [&] {
        auto* shown = dynamic_cast<FrmPreferences*>(QApplication::activeModalWidget());
        ASSERT_NE(shown, nullptr);
        title = shown->windowTitle();
        shown->c.cmdCancel->click();
    });
    w.menus.mnuMoreOptions->trigger();
    EXPECT_EQ(title, "Preferences");
}
