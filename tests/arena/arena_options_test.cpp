// The arena's command line: what it accepts, and that anything else is refused with a reason.
#include <gtest/gtest.h>

#include "arena_options.h"

using namespace quillan;
using namespace quillan::arena;

namespace {

std::vector<std::string> base() {
    return {"--variant", "oklahoma", "--hands",  "50",  "--seed",
            "7",         "--a",      "standard", "--b", "baseline"};
}

std::string refusal(std::vector<std::string> args) {
    ArenaOptions o;
    std::string error;
    EXPECT_FALSE(parseArenaOptions(args, o, error));
    return error;
}

std::vector<std::string> with(std::vector<std::string> args, std::vector<std::string> more) {
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

} // namespace

TEST(ArenaOptions, ReadsEveryOption) {
    ArenaOptions o;
    std::string error;
    const auto args = with(
        base(), {"--budget-ms", "40", "--threads", "2", "--to-100", "--answer-seconds", "0.5"});
    ASSERT_TRUE(parseArenaOptions(args, o, error)) << error;
    EXPECT_EQ(o.variant, RummyVariant::Oklahoma);
    EXPECT_EQ(o.deals, 50);
    EXPECT_EQ(o.seed, 7u);
    EXPECT_EQ(o.a.name(), "standard");
    EXPECT_FALSE(o.b.external());
    EXPECT_EQ(o.budgetMs, 40);
    EXPECT_EQ(o.threads, 2);
    EXPECT_TRUE(o.toTarget);
    EXPECT_DOUBLE_EQ(o.answerSeconds, 0.5);

    auto external = base();
    external[9] = "external:python3 me.py --fast";
    ASSERT_TRUE(parseArenaOptions(external, o, error)) << error;
    EXPECT_TRUE(o.b.external());
    EXPECT_EQ(o.b.command, "python3 me.py --fast");
    EXPECT_FALSE(o.toTarget);
    EXPECT_DOUBLE_EQ(o.answerSeconds, 10);
}

TEST(ArenaOptions, RefusesWhatItCannotUse) {
    EXPECT_NE(refusal({"--variant", "standard"}).find("all needed"), std::string::npos);
    auto level = base();
    level[7] = "grandmaster";
    EXPECT_NE(refusal(level).find("unknown level 'grandmaster'"), std::string::npos);
    auto empty = base();
    empty[7] = "external:  ";
    EXPECT_EQ(refusal(empty), "external: needs a command");
    auto variant = base();
    variant[1] = "rummy";
    EXPECT_EQ(refusal(variant), "bad value for --variant: 'rummy'");
    for (const char* hands : {"0", "-3", "12x", "", "99999999999"}) {
        auto args = base();
        args[3] = hands;
        EXPECT_EQ(refusal(args), std::string("bad value for --hands: '") + hands + "'");
    }
    EXPECT_EQ(refusal(with(base(), {"--threads", "0"})), "bad value for --threads: '0'");
    EXPECT_EQ(refusal(with(base(), {"--answer-seconds", "nan"})),
              "bad value for --answer-seconds: 'nan'");
    EXPECT_EQ(refusal(with(base(), {"--budget-ms"})), "--budget-ms needs a value");
    EXPECT_EQ(refusal(with(base(), {"--fast", "1"})), "unknown option --fast");
    EXPECT_EQ(refusal(with(base(), {"stray"})), "unknown argument stray");
}
