#include "poker/poker_whole_game_rules.h"

#include "poker/poker_suit_classes_rules.h"

namespace quillan {

namespace {

void count(const DealAnalysis& analysis, int deals, WholeGame& game) {
    const HoldValue& best = analysis.best();
    const HoldValue& ladder = analysis.ladderHold();
    game.deals += deals;
    game.analysed += 1;
    game.bestTotal += deals * best.scaled();
    game.ladderTotal += deals * ladder.scaled();
    const std::int64_t lost = best.scaled() - ladder.scaled();
    const auto rung = static_cast<std::size_t>(analysis.ladderCategory - 1);
    game.ladderShort += lost > 0 ? deals : 0;
    game.shortByRung[rung] += lost > 0 ? deals : 0;
    game.lostByRung[rung] += deals * lost;
    const std::int64_t perDraw = kCommonDraws / best.draws;
    for (std::size_t c = 0; c < best.finals.size(); ++c) {
        game.bestFinals[c] += deals * perDraw * best.finals[c];
    }
}

PokerHand handOf(const int* cards) {
    PokerHand hand;
    for (int i = 0; i < 5; ++i) {
        setCard(hand[i], cards[i]);
    }
    return hand;
}

double perCredit(std::int64_t total, std::int64_t deals) {
    return static_cast<double>(total) /
           (static_cast<double>(deals) * static_cast<double>(kCommonDraws) * kPokerBet);
}

} // namespace

double WholeGame::bestReturn() const {
    return perCredit(bestTotal, deals);
}

double WholeGame::ladderReturn() const {
    return perCredit(ladderTotal, deals);
}

double WholeGame::meanLadderCost() const {
    return static_cast<double>(bestTotal - ladderTotal) /
           (static_cast<double>(deals) * static_cast<double>(kCommonDraws));
}

double WholeGame::ladderCostOnRung(int rung) const {
    if (rung < kFirstCategory || rung > kLastCategory) {
        return 0.0;
    }
    return perCredit(lostByRung[static_cast<std::size_t>(rung - 1)], deals);
}

double WholeGame::finalShare(int category) const {
    if (category < kFirstCategory || category > kLastCategory) {
        return 0.0;
    }
    return static_cast<double>(bestFinals[static_cast<std::size_t>(category - 1)]) /
           (static_cast<double>(deals) * static_cast<double>(kCommonDraws));
}

WholeGame playWholeGame(const HoldValueTable& table, bool everyDeal) {
    WholeGame game;
    if (!everyDeal) {
        for (const DealClass& deal : pokerDealClasses()) {
            count(table.analyse(handOf(deal.cards.data())), deal.deals, game);
        }
        return game;
    }
    int c[5];
    for (c[0] = 0; c[0] < 48; ++c[0]) {
        for (c[1] = c[0] + 1; c[1] < 49; ++c[1]) {
            for (c[2] = c[1] + 1; c[2] < 50; ++c[2]) {
                for (c[3] = c[2] + 1; c[3] < 51; ++c[3]) {
                    for (c[4] = c[3] + 1; c[4] < 52; ++c[4]) {
                        count(table.analyse(handOf(c)), 1, game);
                    }
                }
            }
        }
    }
    return game;
}

} // namespace quillan
