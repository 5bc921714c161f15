// gin_arena: two Gin Rummy players, computer levels or outside programs, over many deals,
// each deal played twice with the seats swapped. See README, "Gin Rummy arena".

#include <cstdio>
#include <exception>
#include <string>
#include <unistd.h>
#include <vector>

#include "arena_options.h"
#include "arena_report.h"
#include "arena_run.h"

namespace {

using namespace quillan::arena;

// The progress line on standard error: rewritten in place every second on a terminal; a
// plain line a minute when standard error goes to a file.
class ProgressLine {
  public:
    ProgressLine() : terminal_(isatty(STDERR_FILENO) == 1) {}

    void show(long done, long total, double seconds) {
        if (!terminal_ && seconds - lastLine_ < 60) {
            return;
        }
        lastLine_ = seconds;
        const double left = done > 0 ? seconds * static_cast<double>(total - done) / done : 0;
        std::fprintf(stderr, "%s%ld/%ld hands, %.0f s, about %.0f s to go%s", terminal_ ? "\r" : "",
                     done, total, seconds, left, terminal_ ? "  " : "\n");
        shown_ = true;
    }

    void clear() const {
        if (terminal_ && shown_) {
            std::fprintf(stderr, "\r%60s\r", "");
        }
    }

  private:
    bool terminal_;
    bool shown_ = false;
    double lastLine_ = 0;
};

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    ArenaOptions options;
    std::string error;
    if (!parseArenaOptions(args, options, error)) {
        std::fprintf(stderr, "gin_arena: %s\n%s", error.c_str(), arenaUsage().c_str());
        return 2;
    }
    ProgressLine progress;
    try {
        const ArenaRun run = runArena(options, [&progress](long done, long total, double s) {
            progress.show(done, total, s);
        });
        progress.clear();
        std::fputs(arenaReport(options, run, true).c_str(), stdout);
    } catch (const std::exception& e) {
        progress.clear();
        std::fprintf(stderr, "gin_arena: %s\n", e.what());
        return 1;
    }
    return 0;
}
