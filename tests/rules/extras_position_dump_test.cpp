// The text of "Save Position" for a known position, and the message that follows it.
#include <gtest/gtest.h>

#include "extras/position_dump_rules.h"

using namespace quillan;

namespace {

Hand handOf(std::initializer_list<int> values) {
    Hand hand;
    long i = 0;
    for (const int v : values) {
        setCard(hand[i++], v);
    }
    return hand;
}

} // namespace

TEST(ExtrasPositionDump, EveryOneOfTheElevenSlotsOfBothHandsInOrder) {
    const Hand player = handOf({0, 5, 9, 13, 17, 21, 25, 29, 33, 51, 47});
    const Hand computer = handOf({1, 2, 3, 4, 6, 7, 8, 10, 11, 12}); // slot 10 holds no card
    const std::string expected = "'player hand \n"
                                 "\n"
                                 "handplayer(0).cardvalue = 0\n"
                                 "handplayer(1).cardvalue = 5\n"
                                 "handplayer(2).cardvalue = 9\n"
                                 "handplayer(3).cardvalue = 13\n"
                                 "handplayer(4).cardvalue = 17\n"
                                 "handplayer(5).cardvalue = 21\n"
                                 "handplayer(6).cardvalue = 25\n"
                                 "handplayer(7).cardvalue = 29\n"
                                 "handplayer(8).cardvalue = 33\n"
                                 "handplayer(9).cardvalue = 51\n"
                                 "handplayer(10).cardvalue = 47\n"
                                 "\n"
                                 "\n"
                                 "'computer hand \n"
                                 "handComputer(0).cardvalue = 1\n"
                                 "handComputer(1).cardvalue = 2\n"
                                 "handComputer(2).cardvalue = 3\n"
                                 "handComputer(3).cardvalue = 4\n"
                                 "handComputer(4).cardvalue = 6\n"
                                 "handComputer(5).cardvalue = 7\n"
                                 "handComputer(6).cardvalue = 8\n"
                                 "handComputer(7).cardvalue = 10\n"
                                 "handComputer(8).cardvalue = 11\n"
                                 "handComputer(9).cardvalue = 12\n"
                                 "handComputer(10).cardvalue = 0\n";
    EXPECT_EQ(positionDumpText(player, computer), expected);
}

TEST(ExtrasPositionDump, TheMessageNamesTheFileAndAsksForIt) {
    const std::string message = positionSavedMessage("/opt/quillan/bug.txt");
    EXPECT_EQ(message.rfind("Position saved to.. \n/opt/quillan/bug.txt\n\n"
                            "Use this feature to report bugs\n",
                            0),
              0u);
    EXPECT_NE(message.find(kBugReportAddress), std::string::npos);
}
