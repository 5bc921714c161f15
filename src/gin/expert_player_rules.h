#pragma once
// "Expert": for each choice in front of it, it imagines many whole tables consistent with what
// its seat knows (deal_sampler_rules.h), plays each choice out on every one of them with quick
// players in both seats, and takes the choice with the best mean result for its side (its
// points minus the other side's). Every choice is tried on the same imagined tables, so their
// differences are measured with little noise. It thinks for a time budget, stopping early
// when one choice is clearly best; with a fixed number of tables it gives the same choice for
// the same view and seed.

#include <chrono>

#include "gin/deal_sampler_rules.h"

namespace quillan {

struct ExpertOptions {
    std::uint64_t seed = 1;
    int budgetMs = 150;   // thinking time a decision
    int fixedSamples = 0; // when above 0: exactly this many tables, whatever the time
    int maxDiscards = 7;  // discards worth playing out, the best by deadwood
    // How the imagined players knock: the seat's own later turns, and the other seat's.
    bool ownHoldsForGin = true;
    bool otherHoldsForGin = false;
};

// One choice and what the imagined tables made of it.
struct ChoiceValue {
    bool draw = false;
    DrawChoice drawChoice = DrawChoice::Stock;
    TurnChoice turnChoice;
    double meanPoints = 0; // for the seat: its points minus the other side's
    double winShare = 0;   // share of tables on which the seat won the hand
    int samples = 0;
};

struct ExpertAnalysis {
    std::vector<ChoiceValue> choices; // best first
    int samples = 0;                  // tables imagined
    double standardError = 0;         // of the best choice's mean against the second's
};

// Values every choice of the decision in front of the view's seat.
ExpertAnalysis analyseChoices(const SeatView& view, const ExpertOptions& options);

class ExpertPlayer final : public GinPlayer {
  public:
    explicit ExpertPlayer(const ExpertOptions& options) : options_(options) {}
    DrawChoice chooseDraw(const SeatView& view) override;
    TurnChoice chooseTurn(const SeatView& view) override;

  private:
    ExpertOptions options_;
};

} // namespace quillan
