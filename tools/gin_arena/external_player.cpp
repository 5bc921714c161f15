#include "external_player.h"

#include <cstdio>

#include "protocol_text.h"

namespace quillan::arena {

namespace {

std::string secondsText(double seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", seconds);
    return text;
}

} // namespace

ExternalPlayer::ExternalPlayer(const std::string& command, double answerSeconds)
    : process_(command), answerSeconds_(answerSeconds) {
    if (!process_.running()) {
        goneReason_ = "could not be started";
    }
}

ExternalPlayer::~ExternalPlayer() {
    if (process_.running()) {
        process_.writeLine("quit", answerSeconds_);
    }
}

void ExternalPlayer::forfeit(const std::string& reason, bool stopProgram) {
    forfeited_ = true;
    if (stopProgram) {
        process_.stop();
    }
    if (gone() && goneReason_.empty()) {
        goneReason_ = reason;
    }
}

void ExternalPlayer::send(const std::string& line) {
    if (forfeited_) {
        return;
    }
    switch (process_.writeLine(line, answerSeconds_)) {
    case ChildProcess::Io::Ok:
        break;
    case ChildProcess::Io::Timeout:
        forfeit("read no input for " + secondsText(answerSeconds_) + " s and was stopped", true);
        break;
    case ChildProcess::Io::Closed:
        forfeit("ended", false);
        break;
    }
}

void ExternalPlayer::startHand(const SeatView& view) {
    forfeited_ = false;
    process_.discardPending(); // late lines of an earlier hand are no answers to this one
    if (gone()) {
        forfeit("ended", false);
        return;
    }
    send(newHandLine(view));
}

void ExternalPlayer::observe(const SeatEvent& event) {
    if (const std::optional<std::string> line = eventLine(event)) {
        send(*line);
    }
}

template <typename Choice, typename Read>
std::optional<Choice> ExternalPlayer::ask(const char* question, const Read& read) {
    for (int tries = 1; !forfeited_; ++tries) {
        send(question);
        std::string line;
        switch (forfeited_ ? ChildProcess::Io::Closed : process_.readLine(line, answerSeconds_)) {
        case ChildProcess::Io::Ok:
            break;
        case ChildProcess::Io::Timeout:
            forfeit("gave no answer within " + secondsText(answerSeconds_) + " s and was stopped",
                    true);
            return std::nullopt;
        case ChildProcess::Io::Closed:
            forfeit("ended", false);
            return std::nullopt;
        }
        const Answer<Choice> answer = read(line);
        if (answer.choice) {
            return answer.choice;
        }
        if (tries == kTriesPerQuestion) {
            send("error " + answer.reason + " (third in a row: the hand is forfeited)");
            forfeited_ = true;
            return std::nullopt;
        }
        send("error " + answer.reason);
    }
    return std::nullopt;
}

DrawChoice ExternalPlayer::chooseDraw(const SeatView& view) {
    const auto read = [&](std::string_view line) { return readDrawAnswer(line, view); };
    return ask<DrawChoice>("draw?", read).value_or(DrawChoice::Stock);
}

TurnChoice ExternalPlayer::chooseTurn(const SeatView& view) {
    const auto read = [&](std::string_view line) { return readTurnAnswer(line, view); };
    return ask<TurnChoice>("discard?", read).value_or(TurnChoice::discard(view.takenCard));
}

void ExternalPlayer::endHand(const SeatResult& result) {
    if (result.ending != HandEndingKind::None) {
        send(endLine(result));
    }
}

} // namespace quillan::arena
