// AnimateCard: a card sliding in a straight line over the back buffer, the table under it
// never repainted; and InitAnimDelay, the one-time speed calibration.
#include <QPainter>

#include "app/frm_main.h"
#include "table/back_design_rules.h"
#include "table/card_flight.h"
#include "table/frame_pacer.h"
#include "table/pixel_copy.h"
#include "table/table_canvas.h"

namespace quillan {

namespace {

constexpr int16 kLastLiftIndex = 7; // a card in slots 0..7 has cards to its right

// The part of a hand picture from card x onward, as a strip lying over a card that
// slides out from under it.
void showHandStrip(Surface& strip, const Surface& hand, int32 x, int32 top, int32 height) {
    const int32 width = hand.size().width() - x;
    strip.setGeometry({hand.pos().x() + x, hand.pos().y() + top, width, height});
    copyPixels(strip.picture(), QPoint(0, 0), hand.picture(), QRect(x, top, width, height));
    strip.show();
}

} // namespace

// Gin Rummy: the hands and the reject pile become part of the background the card
// moves over; a card leaving a hand slides out from under the cards to its right.
void FrmMain::prepareFlight(bool movingDown, int16 liftIndex, bool towardComputer) {
    TableState& s = table;
    QPixmap& win = ui.table->windowImage();
    const bool lifting = liftIndex >= 0 && liftIndex <= kLastLiftIndex;
    s.picPlayerHand.paintOnto(win);
    s.picPlayerHand.paintOnto(s.BoardBuffer);
    if (lifting && !movingDown) {
        showHandStrip(s.picplayerBack2, s.picPlayerHand, cards.handplayer[liftIndex + 1].x,
                      cards.handTop, cards.cHeight);
    }
    s.picPlayerHand.hide();
    if (towardComputer) {
        s.picComputerHand.paintOnto(win);
        s.picComputerHand.paintOnto(s.BoardBuffer);
        if (lifting && movingDown) {
            showHandStrip(s.picComputerBack2, s.picComputerHand,
                          cards.handComputer[liftIndex + 1].x, 0, cards.cHeight);
        }
        s.picComputerHand.hide();
    }
    s.picReject.paintOnto(win);
    s.picReject.paintOnto(s.BoardBuffer);
    s.picPlayerDrawBack.paintOnto(win);
    s.picPlayerDrawBack.paintOnto(s.BoardBuffer);
    s.picReject.hide();
    s.picPlayerDrawBack.hide();
}

void FrmMain::finishFlight() {
    showHandPictures(true);
    if (!isSet(turn.stockExhausted) && table.dealPileStage >= 0 && table.dealPileStage <= 3) {
        Surface& pile = table.picDeal[static_cast<std::size_t>(table.dealPileStage)];
        pile.show();
        // The screen shows the pile again now: the window image under it need not hold a
        // copy of the pile (a table laid out again in the middle of a hand has none).
        ui.table->repaintNow(pile.rect());
    }
}

void FrmMain::AnimateCard(int32& x1, int32& y1, int32 x2, int32 y2, int16 step, int32 card,
                          int32 mode, int16 liftIndex, bool towardComputer) {
    trapPlain("Error in AnimateCard  ", [&] {
        TableState& s = table;
        const bool poker = isSet(settings.isPoker);
        s.BoardBuffer = ui.table->windowImage().copy();
        if (!poker) {
            prepareFlight(y1 < y2, liftIndex, towardComputer);
        }
        showDealPile(false);
        ui.table->repaintNow();
        const QSize size = s.picAnimate.size();
        s.picPlayerDraw.hide();
        s.picComputerDraw.hide();
        s.picAnimate.hide();
        const CardMovePlan plan = planCardMove(x1, y1, x2, y2, step, size.width(), size.height(),
                                               isSet(settings.prfAnimation));
        const bool custom = flightUsesCustomBack(poker, isSet(settings.prfIsPKCustomCardBack),
                                                 isSet(settings.prfIsQNCustomCardBack), card) &&
                            !s.picCustomBack.isNull();
        const int32 shown =
            mode == CardLibrary::kModeBack
                ? backDesignShown(card, poker ? kPokerDefaultBack : kRummyDefaultBack)
                : card;
        const CardPaint draw = [&](QPainter& painter, int x, int y) {
            if (custom) {
                painter.drawPixmap(QRect(QPoint(x, y), size), s.picCustomBack);
            } else {
                cardLibrary_.cdtDraw(painter, x, y, shown, mode);
            }
        };
        FramePacer pacer(platform_, settings.prfAnimationDelay,
                         static_cast<long>(plan.frames.size()));
        playCardFrames(*ui.table, s.BoardBuffer, plan, size, draw, pacer);
        x1 = plan.last.x;
        y1 = plan.last.y;
        QPixmap landing = s.picAnimate.picture();
        if (custom) {
            landing = makeSurfacePixmap(size, landing.devicePixelRatio());
            QPainter painter(&landing);
            draw(painter, 0, 0);
        }
        landCard(*ui.table, landing, size, plan);
        if (!poker) {
            finishFlight();
        }
    });
}

// The measurement lets events run, so the window may close before it is over; the delay and
// the slider are set only from a finished measurement, so an interrupted one leaves the
// stored negative delay and the next start measures again.
void FrmMain::InitAnimDelay() {
    trapPlain("Error in InitAnimDelay ", [&] {
        TableState& s = table;
        const QSize size = s.picReject.size();
        s.BoardBuffer = ui.table->windowImage().copy();
        QPixmap saved = makeSurfacePixmap(size, s.BoardBuffer.devicePixelRatio());
        const auto frameWork = [&] {
            copyPixels(saved, QPoint(0, 0), s.BoardBuffer, QRect(QPoint(0, 0), size));
            {
                QPainter painter(&s.BoardBuffer);
                cardLibrary_.cdtDraw(painter, 0, 0, 64, CardLibrary::kModeBack);
            }
            ui.table->showFrame(s.BoardBuffer,
                                QRect(0, -10, size.width() + 10, size.height() + 10));
            copyPixels(s.BoardBuffer, QPoint(0, 0), saved);
        };
        const int32 measured = calibrateAnimationDelay(platform_, frameWork);
        ui.table->endFrames();
        if (unloaded_) {
            return;
        }
        settings.prfAnimationDelay = measured;
        settings.prfScrollVal = scrollValForDelay(measured);
        table.needAnimCalibration = kFalse;
    });
}

} // namespace quillan
