#include "table/hand_drag_rules.h"

#include <array>
#include <span>

#include "common/rounding.h"
#include "rummy/meld_rules.h"

namespace quillan {

namespace {

using Order = std::array<CardSlot, 10>;

void writeOrder(Hand& hand, const Order& order) {
    for (int i = 0; i < 10; ++i) {
        copyCard(hand[i], order[static_cast<size_t>(i)]);
    }
}

bool meldAt(const Hand& hand, int first, int last) {
    std::array<CardSlot, 5> slice{};
    size_t n = 0;
    for (int i = first; i <= last; ++i) {
        slice[n++] = hand[i];
    }
    return isMeld(std::span<const CardSlot>(slice.data(), n));
}

int slotOf(const Hand& hand, int16 cardvalue) {
    for (int i = 0; i < 10; ++i) {
        if (hand[i].rank > 0 && hand[i].cardvalue == cardvalue) {
            return i;
        }
    }
    return -1;
}

} // namespace

int slotUnderPointer(const Hand& hand, double x) {
    for (int i = 0; i < 10; ++i) {
        if (hand[i].x < x && x < hand[i].xEnd) {
            return i;
        }
    }
    return -1;
}

void layUniformly(Hand& hand, const HandGeometry& g) {
    int32 p = 0;
    for (int i = 0; i < 10; ++i) {
        hand[i].x = p;
        hand[i].y = g.handTop;
        p += i == 9 ? g.cWidth : g.cardSpacing;
        hand[i].xEnd = p;
    }
}

void layPlayerHand(Hand& hand, int gapA, int gapB, const HandGeometry& g) {
    int32 p = 0;
    for (int i = 0; i < 10; ++i) {
        hand[i].x = p;
        hand[i].y = g.handTop;
        if (i == 9) {
            p += g.cWidth;
        } else if (i == gapA || i == gapB) {
            p = static_cast<int32>(roundToInt(p + g.cardSpacing + g.cardSpacing / 2.0));
        } else {
            p += g.cardSpacing;
        }
        hand[i].xEnd = p;
    }
}

std::pair<int, int> groupGaps(const Hand& hand) {
    struct Line {
        int firstEnd;  // the first group is slots 0..firstEnd
        int secondEnd; // the second group is firstEnd + 1..secondEnd (-1: none needed)
        int gapA;
        int gapB;
    };
    static constexpr std::array<Line, 11> lines{{{4, 9, 4, 4},
                                                 {4, 8, 4, 8},
                                                 {4, 7, 4, 7},
                                                 {4, -1, 4, 7},
                                                 {3, 8, 3, 8},
                                                 {3, 7, 3, 7},
                                                 {3, 6, 3, 6},
                                                 {3, -1, 3, 6},
                                                 {2, 7, 2, 7},
                                                 {2, 6, 2, 6},
                                                 {2, 5, 2, 5}}};
    for (const Line& line : lines) {
        if (meldAt(hand, 0, line.firstEnd) &&
            (line.secondEnd < 0 || meldAt(hand, line.firstEnd + 1, line.secondEnd))) {
            return {line.gapA, line.gapB};
        }
    }
    return {2, 5};
}

void groupPlayerHand(Hand& hand, const HandGeometry& g) {
    const auto [gapA, gapB] = groupGaps(hand);
    layPlayerHand(hand, gapA, gapB, g);
}

bool moveCardDragging(Hand& hand, const CardSlot& dragCard, int target, const HandGeometry& g) {
    if (target < 0 || target > 9 || slotOf(hand, dragCard.cardvalue) < 0) {
        return false;
    }
    const bool toEnd = target == 9;
    if (toEnd) {
        target = 8;
    }
    if (hand[target + 1].cardvalue == dragCard.cardvalue) {
        return false;
    }
    Order order{};
    size_t n = 0;
    for (int s = 0; s < 10; ++s) {
        if (s == target + 1) {
            order[n++] = dragCard;
            order[n++] = hand[s];
        } else if (hand[s].cardvalue != dragCard.cardvalue) {
            order[n++] = hand[s];
        }
    }
    writeOrder(hand, order);
    if (toEnd) {
        CardSlot last = hand[9];
        copyCard(hand[9], hand[8]);
        copyCard(hand[8], last);
    }
    layUniformly(hand, g);
    groupPlayerHand(hand, g);
    return true;
}

void moveCardToEnd(Hand& hand, int slot, bool toEnd, const HandGeometry& g) {
    if (slot < 0 || slot > 9) {
        return;
    }
    Order order{};
    size_t n = toEnd ? 0 : 1;
    for (int s = 0; s < 10; ++s) {
        if (s != slot) {
            order[n++] = hand[s];
        }
    }
    order[toEnd ? 9 : 0] = hand[slot];
    writeOrder(hand, order);
    layUniformly(hand, g);
}

} // namespace quillan
