#include "rummy/level_thinking.h"

#include <QThreadPool>
#include <atomic>

namespace quillan {

namespace {

template <typename Choice> struct Answer {
    std::atomic<bool> ready{false};
    bool failed = false;
    Choice choice{};
};

template <typename Choice, typename Ask>
std::optional<Choice> think(std::shared_ptr<GinPlayer> player, const SeatView& view, Ask ask,
                            const ThinkingWait& wait) {
    auto answer = std::make_shared<Answer<Choice>>();
    QThreadPool::globalInstance()->start([player = std::move(player), view, ask, answer] {
        try {
            answer->choice = ask(*player, view);
        } catch (...) {
            answer->failed = true;
        }
        answer->ready.store(true, std::memory_order_release);
    });
    while (!answer->ready.load(std::memory_order_acquire)) {
        if (wait.abandoned()) {
            return std::nullopt;
        }
        wait.pause();
    }
    if (answer->failed) {
        return std::nullopt;
    }
    return answer->choice;
}

} // namespace

std::optional<DrawChoice> thinkDraw(std::shared_ptr<GinPlayer> player, const SeatView& view,
                                    const ThinkingWait& wait) {
    return think<DrawChoice>(
        std::move(player), view, [](GinPlayer& p, const SeatView& v) { return p.chooseDraw(v); },
        wait);
}

std::optional<TurnChoice> thinkTurn(std::shared_ptr<GinPlayer> player, const SeatView& view,
                                    const ThinkingWait& wait) {
    return think<TurnChoice>(
        std::move(player), view, [](GinPlayer& p, const SeatView& v) { return p.chooseTurn(v); },
        wait);
}

} // namespace quillan
