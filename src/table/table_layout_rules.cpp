#include "table/table_layout_rules.h"

#include <algorithm>

#include "common/rounding.h"

namespace quillan {

namespace {

int px(double v) {
    return static_cast<int>(roundToInt(v));
}

// Fan of three cards: the last one sits 10 right and 2 down.
constexpr int kFanWidthExtra = 10;
constexpr int kFanHeightExtra = 2;
// Four stacked backs: the top one sits 6 right and 3 down.
constexpr int kDealWidthExtra = 6;
constexpr int kDealHeightExtra = 3;

constexpr double kDealTopPoker = 50;
constexpr double kPokerRowBelowDeal = 173;
constexpr double kPokerFirstLeft = 29;
constexpr double kPokerPitch = 1.15; // in card widths

void placeStrips(TableLayout& t, double cw, double ch, const TableDesign& d) {
    t.topStrip = {0, 0, cw, d.topStripHeight};
    t.bottomStrip = {0, ch - d.bottomStripHeight, cw, d.bottomStripHeight};
    t.bottomStrip2 = {0, ch - d.bottomStripHeight - (d.statusHeight - 1) - d.bottomStripHeight, cw,
                      d.bottomStripHeight};
    t.side1 = {0, 0, d.side1Width, ch};
    t.side2 = {cw - d.side2Width, 0, d.side2Width, ch};
}

void placePokerCards(TableLayout& t, const CardGeometry& g) {
    const double cardW = g.cWidth;
    const double cardH = g.cHeight;
    t.poker[0] = {kPokerFirstLeft, t.deal.y + kPokerRowBelowDeal, cardW, cardH};
    for (int i = 1; i < 5; ++i) {
        t.poker[i] = {t.poker[i - 1].x + cardW * kPokerPitch, t.poker[0].y, cardW, cardH};
    }
    t.shape3InCard = {cardW - 2, 0, 1, cardH};
    t.hasPokerCards = true;
}

void placeHands(TableLayout& t, double cw, double ch, const CardGeometry& g) {
    const double w = handWidth(g);
    const double playerH = playerHandHeight(g);
    t.playerHand = {cw * 0.1, ch * 0.95 - playerH - 30, w, playerH};
    t.computerHand = {cw * 0.1, ch * 0.05, w, static_cast<double>(g.cHeight)};
    t.computerDraw = {t.computerHand.x + w + g.cardSpacing, t.computerHand.y,
                      static_cast<double>(g.cWidth), static_cast<double>(g.cHeight)};
    t.playerDraw = {t.playerHand.x + w + g.cardSpacing, t.playerHand.y + g.handTop,
                    static_cast<double>(g.cWidth), static_cast<double>(g.cHeight)};
}

void placePanels(TableLayout& t, double cw, double ch, const TableDesign& d, bool isPoker) {
    t.pokerLabels = {cw - d.pokerLabels.w - 12, 12, d.pokerLabels.w, d.pokerLabels.h};
    if (isPoker) {
        t.side2BesidePanel = {t.pokerLabels.x - d.side2Width, 0, d.side2Width, ch};
    }
    const SizeD label = d.bankLabel;
    t.bankPlayer = {cw - 3 * label.w, t.playerHand.y + t.playerHand.h - 2 * label.h, label.w,
                    label.h};
    t.bankComputer = {cw - 3 * label.w, t.computerDraw.y, label.w, label.h};
    t.frame1 = {cw - d.frame.w - 30, ch / 2.5 - d.frame.h / 2, d.frame.w, d.frame.h};
    double statusW = cw - 24;
    if (isPoker) {
        statusW -= d.pokerLabels.w + d.side1Width;
    }
    t.status = {12, ch - d.bottomStripHeight - d.statusHeight, statusW, d.statusHeight};
}

} // namespace

PixelRect pixelRect(const LayoutRect& r) {
    return {px(r.x), px(r.y), px(r.w), px(r.h)};
}

double handWidth(const CardGeometry& g) {
    return 10.0 * g.cardSpacing + g.cWidth;
}

double playerHandHeight(const CardGeometry& g) {
    return static_cast<double>(g.cHeight) + g.handTop;
}

SizeD rejectPileSize(const CardGeometry& g) {
    return {static_cast<double>(g.cWidth) + kFanWidthExtra,
            static_cast<double>(g.cHeight) + kFanHeightExtra};
}

SizeD dealPileSize(const CardGeometry& g) {
    return {static_cast<double>(g.cWidth) + kDealWidthExtra,
            static_cast<double>(g.cHeight) + kDealHeightExtra};
}

TableLayout layoutTable(double clientWidth, double clientHeight, const CardGeometry& g,
                        const TableDesign& d, bool isPoker) {
    TableLayout t;
    const SizeD reject = rejectPileSize(g);
    t.reject = {clientWidth * 0.15, clientHeight / 2 - reject.h / 2 - 12, reject.w, reject.h};
    const SizeD deal = dealPileSize(g);
    if (isPoker) {
        t.deal = {t.reject.x + reject.w * 0.75, kDealTopPoker, deal.w, deal.h};
        placePokerCards(t, g);
    } else {
        t.deal = {t.reject.x + reject.w * 1.5, t.reject.y, deal.w, deal.h};
    }
    placeHands(t, clientWidth, clientHeight, g);
    placeStrips(t, clientWidth, clientHeight, d);
    placePanels(t, clientWidth, clientHeight, d, isPoker);
    return t;
}

PixelRect clientRectForPicture(int pictureWidth, int pictureHeight, bool isPoker) {
    const int w = isPoker ? std::max(pictureWidth, kPokerMinClientWidth) : pictureWidth;
    return {0, 0, w, pictureHeight};
}

ResizeActions resizeActions(WindowState state, bool inAutoSize, bool isPoker,
                            int clientWidthAfterSnap) {
    ResizeActions a;
    a.restoreNormal = state == WindowState::Maximized;
    const bool normal = state != WindowState::Minimized;
    a.snapToPicture = normal && !inAutoSize;
    a.widenForPoker = normal && isPoker && clientWidthAfterSnap < kPokerMinClientWidth;
    return a;
}

} // namespace quillan
