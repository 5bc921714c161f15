#pragma once
// The best-play advisor's decisions. The right play for a dealt hand is its dealt-hand-mode
// category (pokerType); a hold is right when the held cards, classified on their own, fall
// into that same category and are exactly as many as the category keeps.
//
// How the window uses this, at a draw in checking mode:
//   const HoldCheck check = checkHold(pokerHand, pokerHeld, pokerType);
//   if (!check.right) { paint label pokerType - 1 in kWrongPlayBack (when pokerType >= 1),
//                       play wrongHoldSound(check.heldCount), end the run, leave; }
// and at the end of a run (a refused hold or the countdown running out):
//   if (runOffersScore(hands, prfvidPokPerfPlay)) { prfvidPokPerfPlay = hands;
//       RecordTopScores(...); prfvidPokPerfPlay = 0; }  then "Hands" shows "0".

#include <string_view>

#include "common/checked_array.h"
#include "common/int16.h"
#include "poker/poker_eval_rules.h"

namespace quillan {

using PokerHeld = FixedArray<int16, 5>; // 16-bit flags, -1 = held

// Placeholder i (0..4): rank 99 + 2i, suit 152 + 3i, card value 200 + 4i. Placeholders match
// no real card and no other placeholder in rank or suit.
CardSlot pokerPlaceholder(int index);

// The held cards in position order in the first slots; every other slot keeps the
// placeholder of its own index (two held cards: slots 2, 3 and 4 hold placeholders 2, 3, 4).
PokerHand heldHand(const PokerHand& hand, const PokerHeld& held);

// Number of held positions.
int16 heldCount(const PokerHeld& held);

struct HoldCheck {
    bool right = false;
    int16 heldCategory = 0; // dealt-hand-mode category of the held cards
    int16 heldCount = 0;
};

// Right exactly when heldCategory == pokerType and heldCount == CardsToHand(heldCategory):
// the right cards plus an extra one, or one short, are wrong.
HoldCheck checkHold(const PokerHand& hand, const PokerHeld& held, int16 pokerType);

// Sound file (in the program's wavs folder) for a refused hold of `count` cards:
// 1 -> "wrong2.wav", 2 -> "wrong3.wav", any other count -> "wrong.wav".
std::string_view wrongHoldSound(int count);

// End of a perfect-play run: the run of `hands` is offered to the top-score tables only when
// it beats prfvidPokPerfPlay (strictly greater; prfvidPokPerfPlay is 0 between offers).
bool runOffersScore(int16 hands, int16 prfvidPokPerfPlay);

// The countdown ("Timer" box), one tick every 5000 ms while Video Poker checks holds.
inline constexpr int16 kCountdownStart = 100;
struct CountdownTick {
    int16 shown = 0;       // the new value of the countdown box
    bool showHint = false; // it reads 98: status line "Click the Deck to deal"
    bool runEnds = false;  // it ran out: the box is back at 100 and the run ends
};
CountdownTick countdownTick(int16 timer);

} // namespace quillan
