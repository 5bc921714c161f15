#include "arena_report.h"

#include <cstdarg>
#include <cstdio>

#include "gin/arena_stats_rules.h"
#include "gin/gin_table_rules.h"

namespace quillan::arena {

namespace {

std::string format(const char* pattern, ...) __attribute__((format(printf, 1, 2)));

std::string format(const char* pattern, ...) {
    char text[512];
    va_list args;
    va_start(args, pattern);
    std::vsnprintf(text, sizeof text, pattern, args);
    va_end(args);
    return text;
}

std::string row(const char* label, const std::string& a, const std::string& b) {
    return format("%-24s %-30s %s\n", label, a.c_str(), b.c_str());
}

std::string interval(const Interval& i, double scale, const char* unit) {
    return format("%.2f%s [%.2f, %.2f]", i.mean * scale, unit, i.low * scale, i.high * scale);
}

std::string countShare(long count, const Interval& share) {
    return format("%ld  ", count) + interval(share, 100, "%");
}

std::string share(long count, long of) {
    return format("%.1f%%", of > 0 ? 100.0 * static_cast<double>(count) / of : 0.0);
}

template <typename Text>
std::string bySide(const char* label, const ArenaSummary& s, const Text& text) {
    return row(label, text(s.sides[0], 0), text(s.sides[1], 1));
}

std::string sideRows(const ArenaSummary& s, bool toTarget) {
    std::string out = row("", "A", "B");
    out += bySide("hands won", s,
                  [](const ArenaSide& d, int) { return countShare(d.handsWon, d.handShare); });
    out += bySide("points per hand", s,
                  [](const ArenaSide& d, int) { return interval(d.points, 1, ""); });
    if (toTarget) {
        out += bySide("games to 100 won", s,
                      [](const ArenaSide& d, int) { return countShare(d.gamesWon, d.gameShare); });
    }
    out += bySide("won by knock", s,
                  [&](const ArenaSide& d, int) { return share(d.knocks, s.hands); });
    out += bySide("won by gin", s, [&](const ArenaSide& d, int) { return share(d.gins, s.hands); });
    out += bySide("undercut (knocker)", s,
                  [&](const ArenaSide& d, int) { return share(d.undercuts, s.hands); });
    out += bySide("forfeits", s, [](const ArenaSide& d, int) { return format("%ld", d.forfeits); });
    out += bySide("turns per hand", s,
                  [](const ArenaSide& d, int) { return format("%.2f", d.turns); });
    return out;
}

std::string timingRows(const ArenaRun& run) {
    std::array<std::string, 2> median;
    std::array<std::string, 2> p99;
    for (size_t side = 0; side < 2; ++side) {
        const std::vector<double>& ms = run.costs.decisionMs[side];
        median[side] = format("%.4f ms", percentile(ms, 50));
        p99[side] = format("%.4f ms", percentile(ms, 99));
    }
    return row("decision time median", median[0], median[1]) +
           row("decision time p99", p99[0], p99[1]);
}

} // namespace

std::string arenaReport(const ArenaOptions& options, const ArenaRun& run, bool timings) {
    const ArenaSummary s = summariseArena(run.hands, options.toTarget);
    std::string out = format("Gin Rummy arena: %s, seed %llu, %ld deals, each played twice with "
                             "the seats swapped (%ld hands)\n",
                             variantName(options.variant),
                             static_cast<unsigned long long>(options.seed), s.pairs, s.hands);
    out += "A: " + options.a.name() + "\nB: " + options.b.name() + "\n\n";
    out += sideRows(s, options.toTarget);
    if (timings) {
        out += timingRows(run);
    }
    out += "\n" + format("net points per hand, A - B: %s\n", interval(s.net, 1, "").c_str());
    out += format("ties: %ld (%s)\n", s.ties, share(s.ties, s.hands).c_str());
    if (options.toTarget) {
        out += format("games to 100: %ld finished (%ld drawn), %ld under way when the hands ran "
                      "out\n",
                      s.games, s.drawnGames, s.unfinishedGames);
    }
    if (run.costs.refused[0] + run.costs.refused[1] > 0) {
        out += format("moves the table refused: A %ld, B %ld\n", run.costs.refused[0],
                      run.costs.refused[1]);
    }
    for (const std::string& note : run.notes) {
        out += note + "\n";
    }
    if (timings) {
        out += format("speed: %ld hands in %.2f s, %.0f hands per second, %d thread%s\n", s.hands,
                      run.seconds, run.seconds > 0 ? s.hands / run.seconds : 0.0, run.threads,
                      run.threads == 1 ? "" : "s");
    }
    return out;
}

} // namespace quillan::arena
