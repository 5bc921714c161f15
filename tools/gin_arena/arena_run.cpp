#include "arena_run.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>

namespace quillan::arena {

namespace {

using Clock = std::chrono::steady_clock;

// The deals a thread plays and which of each deal's two hands.
struct Work {
    long first = 0;
    long last = 0;
    std::array<bool, 2> seatings{true, true};
};

std::vector<Work> planWork(const ArenaOptions& o) {
    if (o.toTarget) {
        if (o.threads >= 2) {
            return {{0, o.deals, {true, false}}, {0, o.deals, {false, true}}};
        }
        return {{0, o.deals, {true, true}}};
    }
    const long threads = std::min<long>(o.threads, o.deals);
    std::vector<Work> work;
    for (long k = 0; k < threads; ++k) {
        work.push_back({o.deals * k / threads, o.deals * (k + 1) / threads, {true, true}});
    }
    return work;
}

int16 bankOf(const GameTally& tally, int side) {
    return static_cast<int16>(std::clamp(tally.bank(side), -32768, 32767));
}

struct Worker {
    const ArenaOptions& options;
    const LevelMaker& makeLevel;
    Work work;
    std::vector<ArenaHand>& hands; // shared; each worker writes its own entries
    std::atomic<long>& done;
    HandCosts costs;
    std::vector<std::string> notes;
    std::exception_ptr failure;

    void run() {
        try {
            play();
        } catch (...) {
            failure = std::current_exception();
        }
    }

    void play() {
        SidePlayers a(options.a, options, makeLevel);
        SidePlayers b(options.b, options, makeLevel);
        std::array<GameTally, 2> series;
        for (long deal = work.first; deal < work.last; ++deal) {
            for (int seating = 0; seating < 2; ++seating) {
                if (!work.seatings[static_cast<size_t>(seating)]) {
                    continue;
                }
                GameTally& tally = series[static_cast<size_t>(seating)];
                HandSetup setup = dealSetup(options, deal);
                const Seat seatOfA = seating == 0 ? Seat::Player : Seat::Computer;
                if (options.toTarget) {
                    setup.playerBank = bankOf(tally, seating == 0 ? 0 : 1);
                    setup.computerBank = bankOf(tally, seating == 0 ? 1 : 0);
                }
                const ArenaHand hand = playArenaHand(setup, seatOfA, {&a, &b},
                                                     {playerSeed(options.seed, deal, seating, 0),
                                                      playerSeed(options.seed, deal, seating, 1)},
                                                     costs);
                tally.addHand(hand.points[0], hand.points[1]);
                hands[static_cast<size_t>(2 * deal + seating)] = hand;
                ++done;
            }
        }
        note("A", a);
        note("B", b);
    }

    void note(const char* side, const SidePlayers& players) {
        const ExternalPlayer* p = players.external();
        if (p != nullptr && p->gone()) {
            notes.push_back(std::string(side) + ": the program " + p->goneReason() + " (deals " +
                            std::to_string(work.first) + ".." + std::to_string(work.last - 1) +
                            " on its thread)");
        }
    }
};

void mergeCosts(HandCosts& into, const HandCosts& from) {
    for (size_t side = 0; side < 2; ++side) {
        const std::vector<double>& ms = from.decisionMs[side];
        into.decisionMs[side].insert(into.decisionMs[side].end(), ms.begin(), ms.end());
        into.refused[side] += from.refused[side];
    }
}

std::uint64_t splitMix(std::uint64_t x) {
    x += 0x9e3779b97f4a7c15ULL;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
    return x ^ (x >> 31);
}

} // namespace

HandSetup dealSetup(const ArenaOptions& options, long deal) {
    HandSetup setup;
    setup.deck = seededDeck(options.seed + static_cast<std::uint64_t>(deal));
    setup.variant = options.variant;
    setup.leader = deal % 2 == 0 ? Seat::Player : Seat::Computer;
    return setup;
}

std::uint64_t playerSeed(std::uint64_t runSeed, long deal, int seating, int side) {
    const std::uint64_t hand = static_cast<std::uint64_t>(deal) * 4 +
                               static_cast<std::uint64_t>(seating) * 2 +
                               static_cast<std::uint64_t>(side);
    return splitMix(splitMix(runSeed) ^ hand);
}

ArenaRun runArena(const ArenaOptions& options, const ArenaProgress& progress,
                  const LevelMaker& makeLevel) {
    ArenaRun run;
    const long total = 2 * options.deals;
    run.hands.resize(static_cast<size_t>(total));
    std::atomic<long> done{0};
    std::vector<Worker> workers;
    for (const Work& work : planWork(options)) {
        workers.push_back({options, makeLevel, work, run.hands, done, {}, {}, {}});
    }
    run.threads = static_cast<int>(workers.size());

    const Clock::time_point start = Clock::now();
    std::vector<std::thread> threads;
    std::mutex mutex;
    std::condition_variable ended;
    size_t finished = 0;
    for (Worker& w : workers) {
        threads.emplace_back([&w, &mutex, &ended, &finished] {
            w.run();
            const std::lock_guard<std::mutex> lock(mutex);
            ++finished;
            ended.notify_one();
        });
    }
    {
        std::unique_lock<std::mutex> lock(mutex);
        while (!ended.wait_for(lock, std::chrono::seconds(1),
                               [&] { return finished == threads.size(); })) {
            if (progress) {
                lock.unlock();
                progress(done, total, std::chrono::duration<double>(Clock::now() - start).count());
                lock.lock();
            }
        }
    }
    for (std::thread& t : threads) {
        t.join();
    }
    run.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    for (const Worker& w : workers) {
        if (w.failure) {
            std::rethrow_exception(w.failure);
        }
        mergeCosts(run.costs, w.costs);
        run.notes.insert(run.notes.end(), w.notes.begin(), w.notes.end());
    }
    return run;
}

} // namespace quillan::arena
