// poker_whole_game: Video Poker played over all 2,598,960 deals by the program's own hold
// analysis. Prints the return of the best play and of the ladder, how often and how much the
// ladder falls short, the share of each finished hand under the best play, and its own time.
//
//   poker_whole_game              one deal per class of suit-renamed deals, weighted
//   poker_whole_game --every-deal every deal analysed on its own (slower, same figures)

#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>

#include "poker/poker_ladder_rules.h"
#include "poker/poker_whole_game_rules.h"

namespace {

using namespace quillan;
using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void printFigures(const WholeGame& game) {
    std::printf("Deals                       %lld (%lld analysed)\n",
                static_cast<long long>(game.deals), static_cast<long long>(game.analysed));
    std::printf("Best play return            %.10f per credit\n", game.bestReturn());
    std::printf("Ladder play return          %.10f per credit\n", game.ladderReturn());
    std::printf("Ladder hold worth less      %lld deals (equal values count as the same play)\n",
                static_cast<long long>(game.ladderShort));
    std::printf("Mean cost of the ladder     %.10f credits a hand (bet 5), %.10f per credit\n",
                game.meanLadderCost(), game.meanLadderCost() / kPokerBet);
    std::printf("Where the ladder falls short (rung of the deal: deals, cost per credit):\n");
    for (int c = kFirstCategory; c <= kLastCategory; ++c) {
        const auto deals = game.shortByRung[static_cast<std::size_t>(c - 1)];
        if (deals > 0) {
            const auto caption = pokerLabelCaption(c);
            std::printf("  %2d %-24.*s %7lld  %.10f\n", c, static_cast<int>(caption.size()),
                        caption.data(), static_cast<long long>(deals), game.ladderCostOnRung(c));
        }
    }
    std::printf("Finished hands under the best play:\n");
    for (int c = kFirstCategory; c <= kLastCategory; ++c) {
        if (c == kFourToRoyal || c == kFourToStraightFlush) {
            continue; // never a finished hand
        }
        const auto caption = pokerLabelCaption(c);
        std::printf("  %2d %-24.*s %.10f\n", c, static_cast<int>(caption.size()), caption.data(),
                    game.finalShare(c));
    }
}

} // namespace

int main(int argc, char** argv) {
    const bool everyDeal = argc > 1 && std::strcmp(argv[1], "--every-deal") == 0;
    if (argc > 1 && !everyDeal) {
        std::fprintf(stderr, "usage: %s [--every-deal]\n", argv[0]);
        return 2;
    }
    const auto start = Clock::now();
    const std::clock_t startCpu = std::clock();
    const HoldValueTable table;
    const double built = secondsSince(start);
    const WholeGame game = playWholeGame(table, everyDeal);
    const double total = secondsSince(start);
    const double cpu = static_cast<double>(std::clock() - startCpu) / CLOCKS_PER_SEC;
    printFigures(game);
    std::printf("Time                        %.3f s (table %.3f s, deals %.3f s), one thread; "
                "processor time %.3f s\n",
                total, built, total - built, cpu);
    return 0;
}
