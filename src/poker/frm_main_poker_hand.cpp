// One Video Poker deal or draw, played out in showPokerHand: the shuffle, the bet, the five
// faces, the replacement of the cards not held, and the payout counted up into the meter.
#include <QLabel>
#include <QPainter>

#include "app/frm_main.h"
#include "app/text_number_rules.h"
#include "poker/poker_analysis.h"
#include "poker/poker_ladder_rules.h"
#include "poker/poker_pay_rules.h"
#include "stats/frm_main_statistics.h"
#include "stats/statistics_recorder.h"
#include "table/game_back.h"
#include "table/hand_painting.h"
#include "table/table_canvas.h"

namespace quillan {

namespace {

constexpr QPoint kFlightStartOffset(8, 4);
constexpr int kClearTableWaitMs = 600;
constexpr int kFacesWaitMs = 650;
constexpr int kReplacementsWaitMs = 250;
constexpr int kBeforePayWaitMs = 200;
constexpr int kAutoDealWaitMs = 1500;

Surface& pokerCard(TableState& t, int i) {
    return t.picPoker[static_cast<std::size_t>(i)];
}

// A card picture starts from the table under it, so its rounded corners show the table.
void paintFace(Surface& card, const QPixmap& table, CardLibrary& library, int value) {
    card.copyUnderlying(table);
    QPainter painter(&card.picture());
    library.cdtDraw(painter, 0, 0, value, CardLibrary::kModeFace);
}

} // namespace

int16 FrmMain::pokerMeter() const {
    return int16FromLabelText(ui.pklblWinnings->text().toStdString());
}

void FrmMain::showPokerHand() {
    bool finished = false;
    trap("showPokerHand", [&] {
        table.picAnimate.move(table.picDeal[0].pos() + kFlightStartOffset);
        table.picAnimate.hide();
        const bool handOnTable = table.picPoker[0].isVisible();
        if (!isSet(poker.pokerDrawPending)) {
            // Reseeded from the clock before every draw of a card position.
            for (int i = 0; i < 52; ++i) {
                poker.pokerDeck[i] = static_cast<int16>(i);
            }
            for (int i = 0; i < 52; ++i) {
                platform_.randomize();
                const int r = std::min(51, static_cast<int>(platform_.rnd() * 52.0f));
                std::swap(poker.pokerDeck[i], poker.pokerDeck[r]);
            }
        }
        poker.pokerBusy = kTrue;
        if (!isSet(poker.pokerDrawPending)) {
            dealPokerHand(handOnTable);
        } else {
            drawPokerHand();
        }
        finished = true;
    });
    if (!finished) {
        poker.pokerBusy = kFalse; // a failed deal or draw never locks the table
    }
}

void FrmMain::dealPokerHand(bool handOnTable) {
    for (int i = 0; i < kPokerCards; ++i) {
        pokerCard(table, i).hide();
        showHoldOutline(i, false);
        poker.pokerHeld[i] = kFalse;
    }
    restPayLabels();
    ui.table->repaintNow();
    if (handOnTable) {
        shortDelay(kClearTableWaitMs);
    }
    ui.pklblWinnings->setText(QString::number(meterAfterBet(pokerMeter())));
    dealPokerBacks();
    table.picAnimate.hide();
    ui.table->repaintNow();
    shortDelay(kFacesWaitMs);
    for (int i = 0; i < kPokerCards; ++i) {
        Surface& card = pokerCard(table, i);
        paintFace(card, ui.table->windowImage(), cardLibrary_, poker.pokerDeck[i]);
        card.show();
        ui.table->repaintNow(card.rect());
    }
    poker.pokerDrawPending = kTrue;
    for (int i = 0; i < kPokerCards; ++i) {
        setCard(poker.pokerHand[i], poker.pokerDeck[i]);
    }
    poker.pokerType = EvaluatePokerHand(poker.pokerHand, kDealtHandMode);
    pokerAnalysis->dealt(poker.pokerHand);
    if (isSet(settings.prfShowPokerPlay)) {
        paintPayLabel(poker.pokerType - 1, kBestPlayBack);
    }
    poker.pokerBusy = kFalse;
}

void FrmMain::drawPokerHand() {
    poker.pokerDrawPending = kFalse;
    for (int i = 0; i < kPokerCards; ++i) {
        showHoldOutline(i, false);
    }
    if (!isSet(settings.prfShowPokerPlay)) {
        if (!pokerHoldAccepted()) {
            return;
        }
        const int16 run = add16(int16FromLabelText(ui.pkLabelHands->text().toStdString()), 1);
        ui.pkLabelHands->setText(QString::number(run));
        statistics->pokerRunReached(run);
    }
    if (!checkHold(poker.pokerHand, poker.pokerHeld, poker.pokerType).right) {
        statistics->pokerDrawnOtherwise(poker.pokerType); // shown the play, held another
    }
    poker.pokerBusy = kTrue;
    replacePokerCards();
    pokerAnalysis->drawn(poker.pokerHeld, poker.pokerType);
    shortDelay(kBeforePayWaitMs);
    if (payoutFor(poker.pokerType)) {
        payPokerHand();
    }
    recordPokerDraw(*this);
    if (isSet(settings.prfPokerAutoDeal)) {
        shortDelay(kAutoDealWaitMs);
        poker.pokerBusy = kFalse;
        picDeal_Click(3);
    }
    poker.pokerBusy = kFalse;
}

// The cards not held fly in face down and turn up. The finished hand stays plain faces:
// it must be readable while it is paid and until the next deal.
void FrmMain::replacePokerCards() {
    for (int i = 0; i < kPokerCards; ++i) {
        if (!isSet(poker.pokerHeld[i])) {
            pokerCard(table, i).hide();
            setCard(poker.pokerHand[i], poker.pokerDeck[i + 5]);
        }
    }
    poker.pokerType = EvaluatePokerHand(poker.pokerHand, kFinalMode);
    {
        QPainter painter(&table.picAnimate.picture());
        pokerBack(*this).draw(painter, 0, 0);
    }
    shortDelay(kClearTableWaitMs);
    for (int i = 0; i < kPokerCards; ++i) {
        if (isSet(poker.pokerHeld[i])) {
            continue;
        }
        dealPokerBackTo(i);
    }
    table.picAnimate.hide();
    table.picDeal[0].show();
    ui.table->repaintNow();
    shortDelay(kReplacementsWaitMs);
    for (int i = 0; i < kPokerCards; ++i) {
        if (!isSet(poker.pokerHeld[i])) {
            Surface& card = pokerCard(table, i);
            paintFace(card, ui.table->windowImage(), cardLibrary_, poker.pokerDeck[i + 5]);
            ui.table->repaintNow(card.rect());
        }
    }
}

// The meter counts up to its target step by step, the category's label lit meanwhile.
void FrmMain::payPokerHand() {
    const auto style = payoutFor(poker.pokerType);
    restPayLabels();
    const std::vector<int16> steps = payoutCountUp(pokerMeter(), poker.pokerType);
    paintPayLabel(poker.pokerType - 1, style->highlightBack);
    const QString sound =
        QStringLiteral("\\wavs\\") +
        QString::fromUtf8(style->sound.data(), static_cast<qsizetype>(style->sound.size()));
    for (const int16 shown : steps) {
        ui.pklblWinnings->setText(QString::number(shown));
        playCue(sound);
        shortDelay(style->waitMs);
    }
    QPalette palette = table.Label1->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    table.Label1->setPalette(palette);
    QFont font = table.Label1->font();
    font.setBold(false);
    table.Label1->setFont(font);
}

} // namespace quillan
