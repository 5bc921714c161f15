#pragma once
// Imagining the cards a seat cannot see: a whole table consistent with everything its view
// holds. The other hand keeps the cards it is known to have taken from the reject pile and is
// filled from the unseen cards; the stock is the rest, in a random order. A card the other
// seat threw or passed over is less likely to have partners in its hand, so unseen cards that
// would meld with those are drawn into its hand less often; the hand is then played through
// as many turns as the other seat has had, and of several such hands the ones that fit what
// it threw and passed over are preferred.

#include <random>

#include "gin/gin_table_rules.h"

namespace quillan {

using SampleRandom = std::mt19937_64;

// How much less likely an unseen card is to lie in the other hand, by what it was seen to
// throw and pass (1 = no evidence). Cards that meld with its reject takes are more likely.
std::array<double, 52> opponentCardWeights(const SeatView& view);

TablePosition sampleTable(const SeatView& view, const std::array<double, 52>& weights,
                          SampleRandom& random);

} // namespace quillan
