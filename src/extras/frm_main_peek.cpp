// "Peek" and "Show Hand" / "Hide Hand": looking at the computer's cards.
#include <QAction>
#include <cmath>

#include "app/frm_main.h"
#include "table/game_back.h"
#include "table/pile_drawing_rules.h"
#include "table/pile_painting.h"
#include "table/table_canvas.h"

namespace quillan {

namespace {

constexpr int16 kPeeksPerHand = 2;
constexpr int kPeekMs = 2000;
constexpr int kPeekSoundChance = 5; // the sound plays when a draw of 1..5 gives 3
constexpr int kPeekSoundDraw = 3;
const QString kPeekSound = QStringLiteral("\\wavs\\peek.wav");

// Slots 0..9 of the computer's hand in its groups of 3, 3 and 4: faces, or the Gin Rummy
// back; then the hand's place on the table is repainted. The clean background goes under
// them first, so the soft card edges never build up from one painting to the next.
void paintComputerCards(FrmMain& w, bool faceUp) {
    Surface& hand = w.table.picComputerHand;
    hand.copyPictureOf(w.table.picComputerBack);
    if (faceUp) {
        QPainter painter(&hand.picture());
        const auto xs = computerHandXs(w.cards.cardSpacing);
        for (std::size_t i = 0; i < xs.size(); ++i) {
            w.cardLibrary().cdtDraw(painter, xs[i], 0,
                                    w.cards.handComputer[static_cast<long>(i)].cardvalue,
                                    CardLibrary::kModeFace);
        }
    } else {
        paintComputerBacks(hand.picture(), w.cards.cardSpacing, rummyBack(w));
    }
    w.ui.table->repaintNow(hand.rect());
}

} // namespace

void FrmMain::mnuPeek_Click() {
    trap("mnuPeek_Click", [&] {
        if (isSet(settings.isPoker) || isSet(turn.dealInProgress)) {
            return; // the computer's hand is not on the table
        }
        if (rummy.peekCount >= kPeeksPerHand) {
            platform_.messageBox(QStringLiteral("Only 2 peeks per game.."), programTitle());
            return;
        }
        rummy.peekCount = add16(rummy.peekCount, 1);
        platform_.randomize();
        const auto draw = static_cast<int>(std::floor(platform_.rnd() * kPeekSoundChance + 1.0f));
        if (draw == kPeekSoundDraw) {
            playCue(kPeekSound);
        }
        paintComputerCards(*this, true);
        platform_.shortDelay(kPeekMs);
        // The wait lets other commands run: the hand ends the peek as the table now wants it.
        if (!isSet(settings.isPoker) && !isSet(turn.dealInProgress)) {
            paintComputerCards(*this, !isSet(settings.prfShowHide));
        }
    });
}

void FrmMain::mnuShowComputerHand_Click() {
    trap("mnuShowComputerHand_Click", [&] {
        if (isSet(settings.prfShowHide)) {
            if (isSet(turn.gameStarted)) {
                platform_.messageBox(
                    QStringLiteral("This option can only be set before a game has started"),
                    programTitle());
            } else {
                settings.prfShowHide = kFalse;
                menus.mnuPeek->setEnabled(false);
                menus.mnuShowComputerHand->setText(QStringLiteral("Hide Hand"));
            }
        } else {
            settings.prfShowHide = kTrue;
            menus.mnuPeek->setEnabled(!isSet(settings.isPoker));
            menus.mnuShowComputerHand->setText(QStringLiteral("Show Hand"));
        }
        if (!isSet(settings.isPoker) && !isSet(turn.dealInProgress)) {
            paintComputerCards(*this, !isSet(settings.prfShowHide));
        }
    });
}

} // namespace quillan
