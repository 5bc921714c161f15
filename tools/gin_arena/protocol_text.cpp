#include "protocol_text.h"

#include <vector>

#include "gin/gin_table_rules.h"

namespace quillan::arena {

namespace {

constexpr std::string_view kRanks = "A23456789TJQK";
constexpr std::string_view kSuits = "cdhs";

// The words of a line, split at blanks (a trailing carriage return is a blank too).
std::vector<std::string_view> words(std::string_view line) {
    std::vector<std::string_view> out;
    size_t i = 0;
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (i < line.size()) {
        while (i < line.size() && blank(line[i])) {
            ++i;
        }
        const size_t start = i;
        while (i < line.size() && !blank(line[i])) {
            ++i;
        }
        if (i > start) {
            out.push_back(line.substr(start, i - start));
        }
    }
    return out;
}

const char* endingText(HandEndingKind ending) {
    switch (ending) {
    case HandEndingKind::Knock:
        return "knock";
    case HandEndingKind::Gin:
        return "gin";
    case HandEndingKind::Undercut:
        return "undercut";
    case HandEndingKind::None:
    case HandEndingKind::Tie:
        break;
    }
    return "tie";
}

bool holds(const SeatView& view, int cardvalue) {
    return cardvalue >= 0 && (handSet(view) & cardBit(cardvalue)) != 0;
}

} // namespace

std::string cardText(int cardvalue) {
    if (cardvalue < 0 || cardvalue >= 52) {
        return "??";
    }
    return {kRanks[static_cast<size_t>(cardvalue / 4)], kSuits[static_cast<size_t>(cardvalue % 4)]};
}

int parseCard(std::string_view text) {
    if (text.size() != 2) {
        return -1;
    }
    const size_t rank = kRanks.find(text[0]);
    const size_t suit = kSuits.find(text[1]);
    if (rank == std::string_view::npos || suit == std::string_view::npos) {
        return -1;
    }
    return static_cast<int>(rank * 4 + suit);
}

std::string newHandLine(const SeatView& view) {
    std::string line = "newhand variant=";
    line += variantName(view.variant);
    line += " limit=" + std::to_string(view.maxDeadwood);
    line += view.leader == view.seat ? " leads=you" : " leads=opponent";
    line += " hand=";
    for (long i = 0; i < 10; ++i) {
        if (i > 0) {
            line += ',';
        }
        line += cardText(view.hand[i].cardvalue);
    }
    line += " upcard=" + cardText(view.reject.top());
    return line;
}

std::optional<std::string> eventLine(const SeatEvent& event) {
    if (event.mine) {
        if (event.kind == SeatEvent::Kind::DrewStock) {
            return "you draw " + cardText(event.card);
        }
        return std::nullopt;
    }
    switch (event.kind) {
    case SeatEvent::Kind::TookReject:
        return "opponent takes " + cardText(event.card);
    case SeatEvent::Kind::DrewStock:
        return std::string("opponent draws");
    case SeatEvent::Kind::Discarded:
        return "opponent discards " + cardText(event.card);
    }
    return std::nullopt;
}

std::string endLine(const SeatResult& result) {
    std::string line = "end result=";
    line += endingText(result.ending);
    line += result.won ? " winner=you" : result.lost ? " winner=opponent" : " winner=none";
    line += " points=" + std::to_string(result.ownPoints);
    return line;
}

Answer<DrawChoice> readDrawAnswer(std::string_view line, const SeatView& view) {
    const std::vector<std::string_view> w = words(line);
    if (w.size() == 1 && w[0] == "stock") {
        return {DrawChoice::Stock, {}};
    }
    if (w.size() == 1 && w[0] == "reject") {
        if (view.reject.count < 1) {
            return {std::nullopt, moveErrorText(MoveError::EmptyPile)};
        }
        return {DrawChoice::Reject, {}};
    }
    return {std::nullopt, "expected stock or reject"};
}

Answer<TurnChoice> readTurnAnswer(std::string_view line, const SeatView& view) {
    const std::vector<std::string_view> w = words(line);
    if (w.size() == 2 && w[0] == "discard") {
        const int card = parseCard(w[1]);
        if (card < 0) {
            return {std::nullopt, "unreadable card " + std::string(w[1])};
        }
        if (!holds(view, card)) {
            return {std::nullopt, moveErrorText(MoveError::NotHeld)};
        }
        return {TurnChoice::discard(card), {}};
    }
    if (w.size() == 1 && w[0] == "knock") {
        if (!view.knockAllowed) {
            return {std::nullopt, moveErrorText(MoveError::KnockRefused)};
        }
        return {TurnChoice::knock(), {}};
    }
    if (w.size() == 1 && w[0] == "gin") {
        if (!view.ginAllowed) {
            return {std::nullopt, moveErrorText(MoveError::NotGin)};
        }
        return {TurnChoice::gin(), {}};
    }
    return {std::nullopt, "expected discard <card>, knock or gin"};
}

} // namespace quillan::arena
