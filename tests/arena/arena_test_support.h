#pragma once
// Shared by the arena tests: a scratch folder for small player programs written by a test,
// reading their logs, running a short arena and asking whether any child is left unreaped.

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

#include "arena_run.h"

namespace quillan::arena::test {

class ScratchDir {
  public:
    ScratchDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "gin_arena_XXXXXX");
        if (mkdtemp(pattern.data()) != nullptr) {
            path_ = pattern;
        }
    }
    ~ScratchDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    std::string file(const std::string& name) const { return (path_ / name).string(); }

    // Writes a program and gives the command that runs it under python3.
    std::string python(const std::string& name, const std::string& text) const {
        std::ofstream(file(name)) << text;
        return "python3 " + file(name);
    }

  private:
    std::filesystem::path path_;
};

inline std::vector<std::string> readLines(const std::string& path) {
    std::vector<std::string> lines;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

inline long countStarting(const std::vector<std::string>& lines, const std::string& start) {
    long n = 0;
    for (const std::string& l : lines) {
        n += l.rfind(start, 0) == 0 ? 1 : 0;
    }
    return n;
}

// The options of a short Standard run of side A against side B.
inline ArenaOptions shortRun(const std::string& a, const std::string& b, long deals) {
    ArenaOptions o;
    o.deals = deals;
    o.seed = 11;
    o.a.level = a;
    o.b.level = b;
    return o;
}

inline SideChoice externalSide(const std::string& command) {
    SideChoice side;
    side.command = command;
    return side;
}

// True when this process has no child left, running or unreaped.
inline bool noChildrenLeft() {
    return waitpid(-1, nullptr, WNOHANG) < 0 && errno == ECHILD;
}

// A python player's opening: logs every line it is sent to the file named by argv[1].
inline const char* kLoggingPlayer = R"(import sys
log = open(sys.argv[1], "w")
def say(text):
    sys.stdout.write(text + "\n")
    sys.stdout.flush()
)";

} // namespace quillan::arena::test
