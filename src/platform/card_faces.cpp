// Card faces: corner indices, the classic pip layouts, aces and (via card_courts) the courts.
#include "platform/card_art.h"

#include <array>
#include <span>

namespace quillan::card_art {
namespace {

struct PipSpot {
    qreal column; // 0 left, 1 centre, 2 right
    qreal row;    // 0 top .. 1 bottom
};

constexpr std::array kTwo{PipSpot{1, 0}, PipSpot{1, 1}};
constexpr std::array kThree{PipSpot{1, 0}, PipSpot{1, 0.5}, PipSpot{1, 1}};
constexpr std::array kFour{PipSpot{0, 0}, PipSpot{2, 0}, PipSpot{0, 1}, PipSpot{2, 1}};
constexpr std::array kFive{PipSpot{0, 0}, PipSpot{2, 0}, PipSpot{1, 0.5}, PipSpot{0, 1},
                           PipSpot{2, 1}};
constexpr std::array kSix{PipSpot{0, 0},   PipSpot{2, 0}, PipSpot{0, 0.5},
                          PipSpot{2, 0.5}, PipSpot{0, 1}, PipSpot{2, 1}};
constexpr std::array kSeven{PipSpot{0, 0},   PipSpot{2, 0}, PipSpot{1, 0.25}, PipSpot{0, 0.5},
                            PipSpot{2, 0.5}, PipSpot{0, 1}, PipSpot{2, 1}};
constexpr std::array kEight{PipSpot{0, 0},   PipSpot{2, 0},    PipSpot{1, 0.25}, PipSpot{0, 0.5},
                            PipSpot{2, 0.5}, PipSpot{1, 0.75}, PipSpot{0, 1},    PipSpot{2, 1}};
constexpr std::array kNine{PipSpot{0, 0},       PipSpot{2, 0},   PipSpot{0, 1.0 / 3},
                           PipSpot{2, 1.0 / 3}, PipSpot{1, 0.5}, PipSpot{0, 2.0 / 3},
                           PipSpot{2, 2.0 / 3}, PipSpot{0, 1},   PipSpot{2, 1}};
constexpr std::array kTen{PipSpot{0, 0},       PipSpot{2, 0},       PipSpot{1, 1.0 / 6},
                          PipSpot{0, 1.0 / 3}, PipSpot{2, 1.0 / 3}, PipSpot{0, 2.0 / 3},
                          PipSpot{2, 2.0 / 3}, PipSpot{1, 5.0 / 6}, PipSpot{0, 1},
                          PipSpot{2, 1}};

std::span<const PipSpot> layoutFor(int rank) {
    switch (rank) {
    case 2:
        return kTwo;
    case 3:
        return kThree;
    case 4:
        return kFour;
    case 5:
        return kFive;
    case 6:
        return kSix;
    case 7:
        return kSeven;
    case 8:
        return kEight;
    case 9:
        return kNine;
    default:
        return kTen;
    }
}

// Rank and small suit in the top-left corner; called twice, the second time turned round.
// The index is narrow enough to show whole in a tightly spaced hand (see kRankBox).
void paintIndex(QPainter& p, int rank, int suit) {
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(rankPen(rank, suitColour(suit)));
    p.drawPath(rankOutline(rank, kRankBox));
    p.restore();
    paintPip(p, suit, kSuitBox.center(), kSuitBox.width(), kSuitBox.height());
}

void paintPips(QPainter& p, int rank, int suit) {
    constexpr qreal kLeft = 22.5;
    constexpr qreal kColumnStep = 13.0;
    constexpr qreal kTop = 15.5;
    constexpr qreal kSpan = 65.0;
    const qreal w = rank >= 9 ? 11.0 : 12.0;
    const qreal h = rank >= 9 ? 12.0 : 13.0;
    for (const PipSpot& spot : layoutFor(rank)) {
        const QPointF centre(kLeft + spot.column * kColumnStep, kTop + spot.row * kSpan);
        paintPip(p, suit, centre, w, h, spot.row > 0.5);
    }
}

void paintAce(QPainter& p, int suit) {
    const QPointF centre(35.5, 48.0);
    if (suit == kSpades) {
        // The ace of spades carries a ring of ornament round its large pip.
        p.save();
        p.setPen(QPen(suitColour(suit), 0.8));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(centre, 21.0, 25.0);
        p.setPen(QPen(QColor(0xB0, 0x8A, 0x2A), 1.2, Qt::DotLine));
        p.drawEllipse(centre, 18.5, 22.5);
        p.restore();
        paintPip(p, suit, centre, 26.0, 30.0);
        return;
    }
    paintPip(p, suit, centre, 30.0, 34.0);
}

} // namespace

void paintFace(QPainter& p, int card) {
    const int rank = card / 4 + 1;
    const int suit = card % 4;
    paintBlankCard(p, Qt::white);
    if (rank == 1) {
        paintAce(p, suit);
    } else if (rank >= 11) {
        paintCourt(p, rank, suit);
    } else {
        paintPips(p, rank, suit);
    }
    p.save();
    paintIndex(p, rank, suit);
    p.translate(kCardWidth, kCardHeight);
    p.rotate(180.0);
    paintIndex(p, rank, suit);
    p.restore();
}

} // namespace quillan::card_art
