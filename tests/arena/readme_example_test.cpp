// The example player printed in the README plays legally against the arena.
#include <gtest/gtest.h>

#include "arena_test_support.h"

using namespace quillan;
using namespace quillan::arena;
using namespace quillan::arena::test;

namespace {

// The first python block after the arena's heading.
std::string readmeExample() {
    const std::vector<std::string> lines = readLines(QUILLAN_README);
    std::string program;
    bool section = false;
    bool inside = false;
    for (const std::string& line : lines) {
        section = section || line == "## Gin Rummy arena";
        if (section && !inside && line == "```python") {
            inside = true;
        } else if (inside && line == "```") {
            break;
        } else if (inside) {
            program += line + "\n";
        }
    }
    return program;
}

} // namespace

TEST(ArenaReadme, ExamplePlayerPlaysEveryHandToItsEnd) {
    const std::string program = readmeExample();
    ASSERT_NE(program.find("print(\"stock\", flush=True)"), std::string::npos) << program;
    ScratchDir dir;
    for (const char* variant : {"standard", "oklahoma"}) {
        ArenaOptions options = shortRun("standard", "standard", 6);
        parseVariant(variant, options.variant);
        options.b = externalSide(dir.python("example_player.py", program));
        const ArenaRun run = runArena(options);
        const ArenaSummary s = summariseArena(run.hands, false);
        EXPECT_EQ(s.sides[1].forfeits, 0) << variant;
        EXPECT_EQ(run.costs.refused[1], 0) << variant;
        EXPECT_TRUE(run.notes.empty()) << variant;
    }
    EXPECT_TRUE(noChildrenLeft());
}
