// The computer's turn: judge the reject card, take it or draw, knock when the analysis
// allows it, otherwise throw its least useful card.
#include <QPainter>

#include "app/frm_main.h"
#include "rummy/computer_level_turn.h"
#include "rummy/computer_rules.h"
#include "rummy/frm_main_rummy_helpers.h"
#include "rummy/opponent_level.h"
#include "stats/frm_main_statistics.h"
#include "table/game_back.h"
#include "table/hand_painting.h"
#include "table/pile_drawing_rules.h"
#include "table/queued_clicks.h"
#include "table/table_canvas.h"

namespace quillan {

namespace {

const QString kDealSound = QStringLiteral("\\wavs\\deal.wav");
constexpr int kTakeDelayMs = 200;
constexpr int kStepDelayMs = 500;

// The card just taken (slot 10) lands on the computer's draw place.
void flyToComputerDraw(FrmMain& w, QPoint from, int32 card, int32 mode) {
    Surface& draw = w.table.picComputerDraw;
    int32 x1 = from.x();
    int32 y1 = from.y();
    w.AnimateCard(x1, y1, draw.pos().x(), draw.pos().y(), 1, card, mode, kNoSkip, true);
}

// Analyses the eleven cards with knocking allowed (a knock or gin ends the hand there).
void analyseAfterDraw(FrmMain& w) {
    if (isSet(w.turn.handOver)) {
        return;
    }
    w.play.computerMayKnock = kTrue;
    w.analyseHand(w.cards.handComputer);
    w.play.computerMayKnock = kFalse;
}

// ComputerTurn steps 2 to 5: the reject card is judged as if it were already held.
bool judgeTopRejectCard(FrmMain& w) {
    const Pile& pile = w.cards.rejectPile;
    if (pile.upperBound() < 1) {
        return false;
    }
    const RejectJudgement j = judgeRejectCard(w.cards.handComputer, pile[pile.upperBound()],
                                              static_cast<int>(pile.upperBound()));
    w.cards.handComputer = j.hand;
    w.rummy.computerUnmatched = pileFrom(j.analysis.storedUnmatched);
    if (j.analysis.meldMoveCount > 0) {
        w.refreshHand(kNoSkip, false, true);
    }
    return j.take;
}

} // namespace

void FrmMain::ComputerTurn() {
    const HandPlayScope playing(handPlayDepth_);
    trap("ComputerTurn", [&] {
        turn.computerTurn = kTrue;
        play.computerMayKnock = kFalse;
        // At a level the level chooses the draw; the card is judged all the same, which
        // arranges and marks the hand as ever.
        const std::optional<DrawChoice> chosen = levelDraw(*this);
        const bool judgedTake = judgeTopRejectCard(*this);
        const bool take = chosen ? *chosen == DrawChoice::Reject : judgedTake;
        if (take) {
            ComputerTakeReject();
        } else {
            ComputerDrawFromDeck();
        }
        if (!isSet(turn.handOver)) {
            const std::optional<int> levelSlot = levelDiscardSlot(*this);
            const int slot =
                levelSlot ? *levelSlot : chooseComputerDiscard(slotsOf(cards.handComputer));
            shortDelay(kStepDelayMs);
            ComputerDiscardCard(static_cast<int16>(slot));
        }
    });
    dropQueuedClicks(*ui.table, platform_);
    turn.computerTurn = kFalse;
}

void FrmMain::ComputerTakeReject() {
    trap("ComputerDrawFromDeck", [&] {
        Pile& pile = cards.rejectPile;
        if (isSet(turn.computerTurn) && !isSet(turn.handOver) && pile.upperBound() >= 1) {
            shortDelay(kTakeDelayMs);
            const long top = pile.upperBound();
            const QPoint from = rejectTopPlace(*this, top);
            copyCard(cards.handComputer[10], pile[top]);
            opponent->tookReject(Seat::Computer, cards.handComputer[10].cardvalue);
            pile.resizeKeep(top - 1);
            redrawRejectPile(*this);
            const int16 value = cards.handComputer[10].cardvalue;
            paintOneCard(*this, table.picAnimate, value, CardLibrary::kModeFace);
            flyToComputerDraw(*this, from, value, CardLibrary::kModeFace);
            playCue(kDealSound);
            paintOneCard(*this, table.picComputerDraw, value, CardLibrary::kModeFace);
            table.picComputerDraw.show();
            ui.table->repaintNow(table.picComputerDraw.rect());
        }
    });
    trap("ComputerDrawFromDeck", [&] { analyseAfterDraw(*this); });
}

void FrmMain::ComputerDrawFromDeck() {
    trap("ComputerDrawFromDeck", [&] {
        Pile& stock = cards.stock;
        // A stock of two cards has none left to draw: the hand is a tie, as after the
        // player's draw that leaves two.
        if (!isSet(turn.stockExhausted) && !isSet(turn.handOver) && stock.upperBound() < 2) {
            turn.stockExhausted = kTrue;
        }
        if (isSet(turn.stockExhausted)) {
            platform_.messageBox(QStringLiteral("The game is a tie"), programTitle());
            turn.handOver = kTrue;
            recordRummyTie(*this);
        }
        shortDelay(kStepDelayMs);
        if (isSet(turn.stockExhausted) || isSet(turn.handOver) || !isSet(turn.computerTurn)) {
            return;
        }
        playCue(kDealSound);
        const long top = stock.upperBound();
        copyCard(cards.handComputer[10], stock[top]);
        opponent->drewStock(Seat::Computer, rejectTopValue(*this),
                            cards.handComputer[10].cardvalue);
        {
            QPainter painter(&table.picAnimate.picture());
            rummyBack(*this).draw(painter, 0, 0);
        }
        flyToComputerDraw(*this, table.picDeal[0].pos() + QPoint(kDealPileTopX, kDealPileTopY),
                          settings.prfQNBackFace, CardLibrary::kModeBack);
        stock.resizeKeep(top - 1);
        if (settings.prfShowHide == kTrue) {
            QPainter painter(&table.picComputerDraw.picture());
            rummyBack(*this).draw(painter, 0, 0);
        } else {
            paintOneCard(*this, table.picComputerDraw, cards.handComputer[10].cardvalue,
                         CardLibrary::kModeFace);
        }
        table.picComputerDraw.show();
        showDeckStage(*this);
    });
    trap("ComputerDrawFromDeck", [&] { analyseAfterDraw(*this); });
}

void FrmMain::ComputerDiscardCard(int16 slot) {
    trap("ComputerDiscardCard", [&] {
        CardSlot& card = cards.handComputer[slot];
        QPoint from = table.picComputerDraw.pos();
        if (slot != 10) {
            from = table.picComputerHand.pos() + QPoint(card.x, 0);
            refreshHand(slot, true, true);
        }
        paintOneCard(*this, table.picAnimate, card.cardvalue, CardLibrary::kModeFace);
        const QPoint to = rejectTopPlace(*this, cards.rejectPile.upperBound() + 1);
        int32 x1 = from.x();
        int32 y1 = from.y();
        AnimateCard(x1, y1, to.x(), to.y(), 1, card.cardvalue, CardLibrary::kModeFace,
                    slot == 10 ? kNoSkip : slot, true);
        const long top = cards.rejectPile.upperBound() + 1;
        cards.rejectPile.resizeKeep(top);
        copyCard(cards.rejectPile[top], card);
        opponent->threw(Seat::Computer, card.cardvalue);
        redrawRejectPile(*this);
        if (slot != 10) {
            copyCard(card, cards.handComputer[10]);
            card.keepValue = cards.handComputer[10].keepValue;
        }
        table.picComputerDraw.hide();
        // The drawn card has moved on (thrown, or into the hand): its landing on the window
        // image goes, and the draw spot shows its empty mark again.
        table.picComputerDrawBAck.paintOnto(ui.table->windowImage());
        if (!isSet(turn.handOver)) {
            play.computerMayKnock = kFalse;
            analyseHand(tenSlotsOf(cards.handComputer));
        }
        table.picComputerBack2.hide();
        refreshHand(kNoSkip, false, true);
        ui.table->repaintNow();
        playCue(QStringLiteral("\\wavs\\drop.wav"));
    });
}

} // namespace quillan
