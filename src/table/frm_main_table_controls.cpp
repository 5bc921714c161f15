// The table's controls: the canvas's surfaces in painting order, the border strip
// pictures, the bank labels and the hold outlines of the Video Poker cards; and the sizes
// of the card places (FirstInit step 1).
#include <QFrame>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>

#include "app/frm_main.h"
#include "table/table_canvas.h"
#include "table/table_design.h"

namespace quillan {

namespace {

// A strip picture: dark wood shading across its thickness, stretched along its length.
QPixmap stripPicture(QSize size, bool horizontal) {
    QPixmap picture(size);
    QPainter painter(&picture);
    QLinearGradient shade(0, 0, horizontal ? 0 : size.width(), horizontal ? size.height() : 0);
    shade.setColorAt(0.0, QColor(58, 34, 18));
    shade.setColorAt(0.5, QColor(122, 78, 40));
    shade.setColorAt(1.0, QColor(58, 34, 18));
    painter.fillRect(picture.rect(), shade);
    return picture;
}

QFrame* outlineFrame(QWidget* parent) {
    auto* frame = new QFrame(parent);
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    frame->hide();
    return frame;
}

QLabel* bankLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->setFixedSize(kBankLabelWidth, kBankLabelHeight);
    return label;
}

} // namespace

void FrmMain::buildTableControls() {
    TableState& t = table;
    t.picTop = stripPicture(QSize(16, kStripThickness), true);
    t.picBottom = t.picTop;
    t.picSide1 = stripPicture(QSize(kStripThickness, 16), false);
    t.picSide2 = t.picSide1;
    std::vector<const Surface*> order{&t.picStatus, &t.picDealBack};
    for (int k = 3; k >= 0; --k) {
        order.push_back(&t.picDeal[static_cast<std::size_t>(k)]); // picDeal(0) on top
    }
    for (const Surface& card : t.picPoker) {
        order.push_back(&card);
    }
    for (const Surface* s : {&t.picRejectBack, &t.picReject, &t.picPlayerDrawBack, &t.picPlayerDraw,
                             &t.picComputerDrawBAck, &t.picComputerDraw, &t.picPlayerBack,
                             &t.picComputerBack, &t.picPlayerHand, &t.picComputerHand,
                             &t.picplayerBack2, &t.picComputerBack2, &t.picAnimate}) {
        order.push_back(s);
    }
    ui.table->setSurfaces(std::move(order));
    for (int i = 0; i < kPokerCards; ++i) {
        const auto n = static_cast<std::size_t>(i);
        t.Shape1[n] = outlineFrame(ui.table);
        t.Shape2[n] = outlineFrame(ui.table);
        t.Shape3[n] = outlineFrame(ui.table);
    }
    installPokerClicks();
    t.lblBankComputer = bankLabel(ui.table);
    t.lblBankPlayer = bankLabel(ui.table);
    QPalette status = ui.lblStatus->palette();
    status.setColor(QPalette::Window, kStatusStripColour);
    ui.lblStatus->setPalette(status);
    ui.Frame1->setFixedSize(kFrame1Width, kFrame1Height);
    ui.Frame1->setAutoFillBackground(true);
    ui.cmdPlayAgain->move(kFrame1Width / 2 - ui.cmdPlayAgain->sizeHint().width() / 2,
                          kFrame1Height - 40);
}

void FrmMain::layoutTable() {
    trap("layoutTable", [&] {
        const qreal dpr = devicePixelRatioF();
        const CardGeometry g{cards.cWidth, cards.cHeight, cards.cardSpacing, cards.handTop};
        const QSize card(cards.cWidth, cards.cHeight);
        const auto handW = static_cast<int>(handWidth(g));
        const QSize player(handW, static_cast<int>(playerHandHeight(g)));
        const QSize computer(handW, cards.cHeight);
        for (Surface* s : {&table.picPlayerHand, &table.picPlayerBack, &table.picplayerBack2}) {
            s->create(player, dpr);
        }
        for (Surface* s :
             {&table.picComputerHand, &table.picComputerBack, &table.picComputerBack2}) {
            s->create(computer, dpr);
        }
        for (Surface* s : {&table.picPlayerDraw, &table.picComputerDraw, &table.picPlayerDrawBack,
                           &table.picComputerDrawBAck, &table.picAnimate}) {
            s->create(card, dpr);
        }
        for (Surface& s : table.picPoker) {
            s.create(card, dpr);
        }
        const SizeD reject = rejectPileSize(g);
        table.picReject.create(QSize(static_cast<int>(reject.w), static_cast<int>(reject.h)), dpr);
        table.picRejectBack.create(table.picReject.size(), dpr);
        const SizeD deal = dealPileSize(g);
        for (Surface& s : table.picDeal) {
            s.create(QSize(static_cast<int>(deal.w), static_cast<int>(deal.h)), dpr);
        }
        table.picDealBack.create(table.picDeal[0].size(), dpr);
        table.picBuffer = QPixmap(card * dpr);
        table.picBuffer.setDevicePixelRatio(dpr);
    });
}

void FrmMain::colourOutlineShapes() {
    trap("colourOutlineShapes", [&] {
        const auto c = static_cast<std::uint32_t>(settings.prfCardOutlineColor);
        const QColor colour(static_cast<int>(c & 0xFFu), static_cast<int>((c >> 8) & 0xFFu),
                            static_cast<int>((c >> 16) & 0xFFu));
        const QString outline =
            QStringLiteral("QFrame { border: 2px solid %1; }").arg(colour.name());
        const QString line = QStringLiteral("QFrame { background: %1; }").arg(colour.name());
        for (int i = 0; i < kPokerCards; ++i) {
            const auto n = static_cast<std::size_t>(i);
            table.Shape1[n]->setStyleSheet(outline);
            table.Shape2[n]->setStyleSheet(line);
            table.Shape3[n]->setStyleSheet(line);
        }
    });
}

} // namespace quillan
