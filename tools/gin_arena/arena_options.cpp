#include "arena_options.h"

#include <charconv>
#include <cmath>

#include "gin/gin_table_rules.h"
#include "gin/player_levels_rules.h"

namespace quillan::arena {

namespace {

constexpr std::string_view kExternal = "external:";

template <typename Number> bool readNumber(const std::string& text, Number& value) {
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc{} && ptr == end && !text.empty();
}

template <typename Number>
bool readInRange(const std::string& text, Number low, Number high, Number& value) {
    Number v{};
    if (!readNumber(text, v) || !(v >= low && v <= high)) {
        return false;
    }
    value = v;
    return true;
}

bool readSide(const std::string& text, SideChoice& side, std::string& error) {
    if (text.starts_with(kExternal)) {
        side = {{}, text.substr(kExternal.size())};
        if (side.command.find_first_not_of(" \t") == std::string::npos) {
            error = "external: needs a command";
            return false;
        }
        return true;
    }
    if (makeGinPlayer(text, PlayerOptions{}) == nullptr) {
        error = "unknown level '" + text + "' (levels:";
        for (const std::string& name : playerLevelNames()) {
            error += " " + name;
        }
        error += ", or external:COMMAND)";
        return false;
    }
    side = {text, {}};
    return true;
}

// One option and its value; false with `error` set.
bool readOption(const std::string& name, const std::string& value, ArenaOptions& o,
                std::string& error) {
    bool ok = true;
    if (name == "--variant") {
        ok = parseVariant(value, o.variant);
    } else if (name == "--hands") {
        ok = readInRange(value, 1L, kMaxDeals, o.deals);
    } else if (name == "--seed") {
        ok = readNumber(value, o.seed);
    } else if (name == "--a" || name == "--b") {
        return readSide(value, name == "--a" ? o.a : o.b, error);
    } else if (name == "--budget-ms") {
        ok = readInRange(value, 1, 600'000, o.budgetMs);
    } else if (name == "--threads") {
        ok = readInRange(value, 1, 256, o.threads);
    } else if (name == "--answer-seconds") {
        ok = readInRange(value, 0.01, 3600.0, o.answerSeconds);
    } else {
        error = "unknown option " + name;
        return false;
    }
    if (!ok) {
        error = "bad value for " + name + ": '" + value + "'";
    }
    return ok;
}

} // namespace

bool parseArenaOptions(std::span<const std::string> args, ArenaOptions& options,
                       std::string& error) {
    ArenaOptions o;
    bool variant = false, hands = false, seed = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& name = args[i];
        if (name == "--to-100") {
            o.toTarget = true;
            continue;
        }
        if (i + 1 >= args.size()) {
            error = name.starts_with("--") ? name + " needs a value" : "unknown argument " + name;
            return false;
        }
        if (!readOption(name, args[i + 1], o, error)) {
            return false;
        }
        variant |= name == "--variant";
        hands |= name == "--hands";
        seed |= name == "--seed";
        ++i;
    }
    if (!variant || !hands || !seed || o.a.name().empty() || o.b.name().empty()) {
        error = "--variant, --hands, --seed, --a and --b are all needed";
        return false;
    }
    options = o;
    return true;
}

std::string arenaUsage() {
    return "usage: gin_arena --variant simple|standard|oklahoma --hands N --seed S\n"
           "                 --a LEVEL --b LEVEL [--budget-ms M] [--threads T] [--to-100]\n"
           "                 [--answer-seconds X]\n"
           "  LEVEL is a computer level or 'external:COMMAND ARGS' (a program run by /bin/sh)\n";
}

} // namespace quillan::arena
