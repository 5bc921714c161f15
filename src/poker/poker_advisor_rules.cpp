#include "poker/poker_advisor_rules.h"

#include "poker/poker_ladder_rules.h"

namespace quillan {

CardSlot pokerPlaceholder(int index) {
    CardSlot slot;
    slot.rank = static_cast<int16>(99 + 2 * index);
    slot.suit = static_cast<int16>(152 + 3 * index);
    slot.cardvalue = static_cast<int16>(200 + 4 * index);
    return slot;
}

PokerHand heldHand(const PokerHand& hand, const PokerHeld& held) {
    PokerHand result;
    for (int i = 0; i < 5; ++i) {
        result[i] = pokerPlaceholder(i);
    }
    int next = 0;
    for (int i = 0; i < 5; ++i) {
        if (isSet(held[i])) {
            result[next++] = hand[i];
        }
    }
    return result;
}

int16 heldCount(const PokerHeld& held) {
    int16 count = 0;
    for (const int16 flag : held) {
        count = static_cast<int16>(count + (isSet(flag) ? 1 : 0));
    }
    return count;
}

HoldCheck checkHold(const PokerHand& hand, const PokerHeld& held, int16 pokerType) {
    HoldCheck check;
    check.heldCount = heldCount(held);
    check.heldCategory = EvaluatePokerHand(heldHand(hand, held), kDealtHandMode);
    check.right =
        check.heldCategory == pokerType && check.heldCount == CardsToHand(check.heldCategory);
    return check;
}

std::string_view wrongHoldSound(int count) {
    switch (count) {
    case 1:
        return "wrong2.wav";
    case 2:
        return "wrong3.wav";
    default:
        return "wrong.wav";
    }
}

bool runOffersScore(int16 hands, int16 prfvidPokPerfPlay) {
    return hands > prfvidPokPerfPlay;
}

CountdownTick countdownTick(int16 timer) {
    CountdownTick tick;
    tick.shown = sub16(timer, 1);
    tick.showHint = tick.shown == 98;
    if (tick.shown <= 0) {
        tick.shown = kCountdownStart;
        tick.runEnds = true;
    }
    return tick;
}

} // namespace quillan
