// DealGraphics: the Gin Rummy deal, ten cards to each side in turn and the first upcard,
// then the background's ambient sound.
#include <QPainter>

#include "app/frm_main.h"
#include "rummy/knock_rules.h"
#include "table/game_back.h"
#include "table/hand_painting.h"
#include "table/queued_clicks.h"
#include "table/table_canvas.h"

namespace quillan {

namespace {

constexpr QPoint kFlightStartOffset(8, 4); // picAnimate sits on the pile's top card
const QString kDealSound = QStringLiteral("\\wavs\\deal.wav");

} // namespace

void FrmMain::DealGraphics() {
    trap("DealGraphics", [&] {
        ShowStatus(isSet(kept.welcomeShown) ? QStringLiteral("Dealing..")
                                            : QStringLiteral("Welcome to Gin-Rummy"));
        kept.welcomeShown = kTrue;
        TableState& s = table;
        s.picAnimate.move(s.picDeal[0].pos() + kFlightStartOffset);
        s.picAnimate.hide();
        s.picDeal[0].paintOnto(ui.table->windowImage());
        s.picDeal[0].paintOnto(s.BoardBuffer);
        ui.table->repaintNow(s.picDeal[0].rect());
        {
            QPainter painter(&s.picAnimate.picture());
            rummyBack(*this).draw(painter, 0, 0);
        }
        for (const int k : {3, 1, 2}) {
            s.picDeal[static_cast<std::size_t>(k)].hide();
        }
        s.picDeal[0].show();
        for (int n = 0; n < 10; ++n) {
            dealOneCard(cards.handComputer[n], s.picComputerHand, s.picComputerHand.pos().y(),
                        true);
            playCue(kDealSound);
            dealOneCard(cards.handplayer[n], s.picPlayerHand,
                        s.picPlayerHand.pos().y() + cards.handTop, false);
        }
        turnUpFirstCard();
        dropQueuedClicks(*ui.table, platform_);
        turn.dealInProgress = kFalse;
        playAmbientSound();
    });
}

// One card from the pile to its slot in a hand, where it stays as a back.
void FrmMain::dealOneCard(const CardSlot& slot, Surface& hand, int32 top, bool towardComputer) {
    int32 x1 = table.picAnimate.pos().x();
    int32 y1 = table.picAnimate.pos().y();
    AnimateCard(x1, y1, hand.pos().x() + slot.x, top, 1, settings.prfQNBackFace,
                CardLibrary::kModeBack, kNoSkip, towardComputer);
    {
        QPainter painter(&hand.picture());
        rummyBack(*this).draw(painter, slot.x, top - hand.pos().y());
    }
    ui.table->repaintNow(hand.rect());
}

void FrmMain::turnUpFirstCard() {
    TableState& s = table;
    cards.rejectPile.resizeKeep(1);
    int32 x1 = s.picAnimate.pos().x();
    int32 y1 = s.picAnimate.pos().y();
    AnimateCard(x1, y1, s.picReject.pos().x(), s.picReject.pos().y(), 1, settings.prfQNBackFace,
                CardLibrary::kModeBack, kNoSkip, false);
    const CardSlot& top = cards.stock[cards.stock.upperBound()];
    {
        QPainter painter(&s.picReject.picture());
        cardLibrary_.cdtDraw(painter, 0, 0, top.cardvalue, CardLibrary::kModeFace);
    }
    copyCard(cards.rejectPile[1], top);
    cards.stock.resizeKeep(cards.stock.upperBound() - 1);
    s.picReject.show();
    if (isSet(settings.prfOpOklahoma)) {
        rummy.MAXDEADWOOD = oklahomaMaxDeadwood(cards.rejectPile[1]);
    }
    ui.table->repaintNow(s.picReject.rect());
}

void FrmMain::playAmbientSound() {
    if (isSet(settings.isPoker) || !isSet(settings.prfSound)) {
        return;
    }
    const QString background = QString::fromStdString(settings.prfQNBackground);
    if (background == QStringLiteral("beach.gif") || background == QStringLiteral("beach2.jpg")) {
        playCue(QStringLiteral("\\wavs\\beach.wav"));
    } else if (background == QStringLiteral("winter.jpg")) {
        const int r = static_cast<int>(platform_.rnd() * 2 + 1);
        playCue(r == 1 ? QStringLiteral("\\wavs\\wolf.wav") : QStringLiteral("\\wavs\\bird.wav"));
    }
}

} // namespace quillan
