#pragma once
// The 2,598,960 five-card deals fall into 134,459 classes when deals that differ only by a
// renaming of the suits count as one: a deal's class is the multiset of its four suits' rank
// sets. Every figure of Video Poker is the same for all deals of a class, so a pass over the
// whole game need analyse one deal a class and count it as many times as the class has deals.

#include <array>
#include <vector>

namespace quillan {

struct DealClass {
    std::array<int, 5> cards{}; // one deal of the class, card values ascending
    int deals = 0;              // how many deals the class holds (1..24)
};

// Every class, each once.
std::vector<DealClass> pokerDealClasses();

} // namespace quillan
