#include "poker/poker_ladder_rules.h"

namespace quillan {

namespace {

struct Rung {
    std::string_view caption;
    int16 keeps;
};

constexpr std::array<Rung, kCategoryCount> kRungs{{
    {"Royal ", 5},
    {"Straight Flush", 5},
    {"4 Of a Kind", 4},
    {"Full House", 5},
    {"4 To a Royal ", 4},
    {"Flush", 5},
    {"Straight", 5},
    {"3 Of a Kind", 3},
    {"4 To a Straight Flush", 4},
    {"2 Pair", 4},
    {"High Pair", 2},
    {"3 To a Royal ", 3},
    {"4 To a Flush", 4},
    {"Low Pair", 2},
    {"4 To Outside  Straight", 4},
    {"2 High (Suited)", 2},
    {"3 To a Straight Flush", 3},
    {"2 High", 2},
    {"10/J 10/Q 10/k (Suited)", 2},
    {"1 High", 1},
    {"All Trash", 0},
}};

bool onLadder(int category) {
    return category >= kFirstCategory && category <= kLastCategory;
}

} // namespace

std::string_view pokerLabelCaption(int category) {
    return onLadder(category) ? kRungs[static_cast<std::size_t>(category - 1)].caption
                              : std::string_view{};
}

int16 CardsToHand(int16 category) {
    return onLadder(category) ? kRungs[static_cast<std::size_t>(category - 1)].keeps : int16{0};
}

LabelLook restingLabelLook(int index) {
    if (index % 2 == 0) {
        return {0x808080, 0xFFFFFF, false};
    }
    return {0xE0E0E0, kBlackText, true};
}

} // namespace quillan
