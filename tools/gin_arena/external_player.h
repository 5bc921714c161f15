#pragma once
// A seat played by an outside program over the arena's line protocol (README, "Gin Rummy
// arena"). Every answer is read against the seat's view before the table sees it; an
// unreadable or illegal answer gets "error <reason>" and the question again, and the third in
// a row forfeits the hand. A program that does not answer in time is stopped, and one that
// has ended or been stopped forfeits every hand from then on. A forfeited hand is not played
// on: the arena asks `handForfeited()` after every call and ends the hand there.

#include <memory>
#include <optional>
#include <string>

#include "child_process.h"
#include "gin/seat_view_rules.h"

namespace quillan::arena {

class ExternalPlayer final : public GinPlayer {
  public:
    static constexpr int kTriesPerQuestion = 3;

    ExternalPlayer(const std::string& command, double answerSeconds);
    ~ExternalPlayer() override; // says "quit", then the process ends or is stopped

    void startHand(const SeatView& view) override;
    void observe(const SeatEvent& event) override;
    DrawChoice chooseDraw(const SeatView& view) override;
    TurnChoice chooseTurn(const SeatView& view) override;
    void endHand(const SeatResult& result) override;

    bool handForfeited() const { return forfeited_; }
    // The program has ended or was stopped; why, for the arena's report.
    bool gone() const { return !process_.running(); }
    const std::string& goneReason() const { return goneReason_; }

  private:
    // Asks `question` until an answer passes `read` (an Answer<Choice> from the line), and
    // gives the choice, or nothing when the hand is forfeited.
    template <typename Choice, typename Read>
    std::optional<Choice> ask(const char* question, const Read& read);
    void send(const std::string& line);
    void forfeit(const std::string& reason, bool stopProgram);

    ChildProcess process_;
    double answerSeconds_;
    bool forfeited_ = false;
    std::string goneReason_;
};

} // namespace quillan::arena
