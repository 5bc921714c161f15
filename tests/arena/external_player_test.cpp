// The arena's protocol against small player programs written here: a legal one, one that
// answers wrongly twice before answering well, one that never answers well, a silent one, one
// that ends in the middle of a run and one that ignores "quit".
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <numeric>
#include <thread>

#include "arena_report.h"
#include "arena_test_support.h"
#include "protocol_text.h"

using namespace quillan;
using namespace quillan::arena;
using namespace quillan::arena::test;

namespace {

// Draws from the stock and throws the card it drew.
const std::string kLegal = std::string(kLoggingPlayer) + R"(drawn = None
for line in sys.stdin:
    log.write(line); log.flush()
    words = line.split()
    if words[0] == "you":
        drawn = words[2]
    elif words[0] == "draw?":
        say("stock")
    elif words[0] == "discard?":
        say("discard " + drawn)
    elif words[0] == "quit":
        break
)";

// Two wrong answers to every question, then the legal one. It keeps its hand so that its
// second wrong discard names a card it does not hold.
const std::string kTwiceWrong = std::string(kLoggingPlayer) + R"(hand = set()
drawn = None
wrong = 0
every = [r + s for r in "A23456789TJQK" for s in "cdhs"]
for line in sys.stdin:
    log.write(line); log.flush()
    words = line.split()
    if words[0] == "newhand":
        hand = set(words[4][len("hand="):].split(","))
    elif words[0] == "you":
        drawn = words[2]
        hand.add(drawn)
    elif words[0] in ("draw?", "discard?"):
        if wrong < 2:
            wrong += 1
            if words[0] == "draw?":
                say(["fish", "reject please"][wrong - 1])
            else:
                missing = [c for c in every if c not in hand][0]
                say(["discard Zz", "discard " + missing][wrong - 1])
            continue
        wrong = 0
        if words[0] == "draw?":
            say("stock")
        else:
            hand.discard(drawn)
            say("discard " + drawn)
)";

const std::string kAlwaysWrong = std::string(kLoggingPlayer) + R"(for line in sys.stdin:
    log.write(line); log.flush()
    if line.endswith("?\n"):
        say("fish")
)";

const std::string kSilent = std::string(kLoggingPlayer) + R"(for line in sys.stdin:
    log.write(line); log.flush()
)";

// Plays the first hand like kLegal, then ends when the second one is dealt.
const std::string kEndsAtSecondHand = std::string(kLoggingPlayer) + R"(drawn = None
hands = 0
for line in sys.stdin:
    log.write(line); log.flush()
    words = line.split()
    if words[0] == "newhand":
        hands += 1
        if hands == 2:
            sys.exit(0)
    elif words[0] == "you":
        drawn = words[2]
    elif words[0] == "draw?":
        say("stock")
    elif words[0] == "discard?":
        say("discard " + drawn)
)";

class ArenaProtocol : public ::testing::Test {
  protected:
    // Side A played by `program` (given its log's path), side B by Standard.
    ArenaRun play(const std::string& program, long deals, double answerSeconds = 5) {
        options_ = shortRun("standard", "standard", deals);
        options_.a = externalSide(dir_.python("player.py", program) + " " + log());
        options_.answerSeconds = answerSeconds;
        return runArena(options_);
    }
    std::string log() const { return dir_.file("log.txt"); }
    std::vector<std::string> logLines() const { return readLines(log()); }

    ScratchDir dir_;
    ArenaOptions options_;
};

// The question asked before each error line is asked again after it, but for the error that
// forfeits the hand.
void expectQuestionAgainAfterEachError(const std::vector<std::string>& lines) {
    for (size_t i = 1; i + 1 < lines.size(); ++i) {
        const bool forfeits = lines[i].find("(third in a row") != std::string::npos;
        if (lines[i].rfind("error ", 0) == 0 && !forfeits) {
            EXPECT_EQ(lines[i + 1], lines[i - 1]) << "after line " << i << ": " << lines[i];
        }
    }
}

} // namespace

TEST_F(ArenaProtocol, LegalPlayerPlaysWholeHandsAndIsToldItsPoints) {
    const ArenaRun run = play(kLegal, 5);
    const ArenaSummary s = summariseArena(run.hands, false);
    EXPECT_EQ(s.sides[0].forfeits, 0);
    EXPECT_EQ(s.sides[1].forfeits, 0);
    EXPECT_EQ(run.costs.refused[0], 0);

    const std::vector<std::string> lines = logLines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), newHandLine(GinTable(dealSetup(options_, 0)).view(Seat::Player)));
    EXPECT_EQ(countStarting(lines, "newhand "), 10);
    EXPECT_EQ(countStarting(lines, "end result="), 10);
    EXPECT_EQ(countStarting(lines, "error"), 0);
    EXPECT_EQ(lines.back(), "quit");

    long told = 0;
    long wonByWord = 0;
    for (const std::string& l : lines) {
        if (l.rfind("end ", 0) == 0) {
            told += std::stol(l.substr(l.find("points=") + 7));
            wonByWord += l.find("winner=you") != std::string::npos ? 1 : 0;
        }
    }
    long points = 0;
    for (const ArenaHand& h : run.hands) {
        points += h.points[0];
    }
    EXPECT_EQ(told, points);
    EXPECT_EQ(wonByWord, s.sides[0].handsWon);
    EXPECT_TRUE(noChildrenLeft());
}

TEST_F(ArenaProtocol, WrongAnswersGetAnErrorAndTheQuestionAgain) {
    const ArenaRun run = play(kTwiceWrong, 3);
    const ArenaSummary s = summariseArena(run.hands, false);
    EXPECT_EQ(s.sides[0].forfeits, 0);
    const std::vector<std::string> lines = logLines();
    EXPECT_EQ(countStarting(lines, "end result="), 6);
    const long questions = countStarting(lines, "draw?") + countStarting(lines, "discard?");
    const long errors = countStarting(lines, "error ");
    EXPECT_GT(errors, 0);
    EXPECT_EQ(questions, errors * 3 / 2); // each question asked three times, two errors
    const long draws = countStarting(lines, "draw?");
    const long discards = countStarting(lines, "discard?");
    EXPECT_EQ(countStarting(lines, "error expected stock or reject"), draws * 2 / 3);
    EXPECT_EQ(countStarting(lines, "error unreadable card Zz"), discards / 3);
    EXPECT_EQ(countStarting(lines, "error that card is not in your hand"), discards / 3);
    expectQuestionAgainAfterEachError(lines);
}

TEST_F(ArenaProtocol, ThirdWrongAnswerInARowForfeitsTheHand) {
    const ArenaRun run = play(kAlwaysWrong, 3);
    for (const ArenaHand& h : run.hands) {
        EXPECT_EQ(h.ending, ArenaEnding::Forfeit);
        EXPECT_EQ(h.forfeiter, 0);
        EXPECT_EQ(h.winner, 1);
        EXPECT_EQ(h.points, (std::array<int, 2>{0, 0}));
    }
    const ArenaSummary s = summariseArena(run.hands, true);
    EXPECT_EQ(s.sides[0].forfeits, 6);
    EXPECT_EQ(s.sides[1].handsWon, 6);
    EXPECT_EQ(s.games, 0); // a forfeit moves no points

    // Still in play: every hand is dealt to it, and it is told why each one ends.
    const std::vector<std::string> lines = logLines();
    EXPECT_EQ(countStarting(lines, "newhand "), 6);
    EXPECT_EQ(countStarting(lines, "end "), 0);
    long forfeitNotices = 0;
    for (const std::string& l : lines) {
        forfeitNotices += l.find("(third in a row: the hand is forfeited)") != std::string::npos;
    }
    EXPECT_EQ(forfeitNotices, 6);
    expectQuestionAgainAfterEachError(lines);
}

TEST_F(ArenaProtocol, SilentPlayerIsStoppedAndForfeitsEveryHand) {
    const ArenaRun run = play(kSilent, 3, 0.5);
    for (const ArenaHand& h : run.hands) {
        EXPECT_EQ(h.ending, ArenaEnding::Forfeit);
        EXPECT_EQ(h.forfeiter, 0);
    }
    // One question went unanswered; the program was stopped and heard nothing more.
    const std::vector<std::string> lines = logLines();
    EXPECT_EQ(countStarting(lines, "draw?") + countStarting(lines, "discard?"), 1);
    EXPECT_EQ(countStarting(lines, "newhand "), 1);
    ASSERT_EQ(run.notes.size(), 1u);
    EXPECT_NE(run.notes[0].find("gave no answer within 0.5 s"), std::string::npos);
    EXPECT_NE(arenaReport(options_, run, false).find(run.notes[0]), std::string::npos);
    EXPECT_TRUE(noChildrenLeft());
}

TEST_F(ArenaProtocol, PlayerThatEndsForfeitsThatHandAndEveryLaterOne) {
    const ArenaRun run = play(kEndsAtSecondHand, 4);
    EXPECT_NE(run.hands[0].ending, ArenaEnding::Forfeit);
    for (size_t i = 1; i < run.hands.size(); ++i) {
        EXPECT_EQ(run.hands[i].ending, ArenaEnding::Forfeit) << "hand " << i;
        EXPECT_EQ(run.hands[i].forfeiter, 0);
    }
    ASSERT_EQ(run.notes.size(), 1u);
    EXPECT_NE(run.notes[0].find("A: the program ended"), std::string::npos);
    EXPECT_TRUE(noChildrenLeft());
}

TEST_F(ArenaProtocol, ProgramThatEndsAtOnceForfeitsEveryHand) {
    const ArenaRun run = play("", 2); // python3 runs an empty program and ends at once
    const ArenaSummary s = summariseArena(run.hands, false);
    EXPECT_EQ(s.sides[0].forfeits, 4);
    EXPECT_TRUE(noChildrenLeft());
}

TEST(ArenaChild, ProgramIgnoringItsInputIsKilledWithItsWholeGroup) {
    ScratchDir dir;
    const std::string pidFile = dir.file("pid");
    {
        ExternalPlayer player("sleep 30 & echo $! > " + pidFile + "; wait", 1);
        for (int i = 0; i < 1000 && readLines(pidFile).empty(); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    } // "quit" goes unread; the grace second passes
    const std::vector<std::string> pid = readLines(pidFile);
    ASSERT_EQ(pid.size(), 1u);
    // A killed process may take a moment to end on a busy machine.
    const auto gone = [&] {
        const std::vector<std::string> stat = readLines("/proc/" + pid[0] + "/stat");
        return stat.empty() || stat[0].find(") Z") != std::string::npos;
    };
    for (int i = 0; i < 300 && !gone(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_TRUE(gone()) << "the shell's child is still running";
    EXPECT_TRUE(noChildrenLeft());
}

TEST(ArenaChild, LinesComeBackWhole) {
    ChildProcess child("printf 'stock\\r\\nknock'; sleep 0.2; printf ' late\\n'");
    std::string line;
    ASSERT_EQ(child.readLine(line, 5), ChildProcess::Io::Ok);
    EXPECT_EQ(line, "stock\r");
    ASSERT_EQ(child.readLine(line, 5), ChildProcess::Io::Ok);
    EXPECT_EQ(line, "knock late");
    EXPECT_EQ(child.readLine(line, 5), ChildProcess::Io::Closed);
    EXPECT_EQ(child.writeLine("quit", 1), ChildProcess::Io::Closed);

    ChildProcess quiet("sleep 5");
    EXPECT_EQ(quiet.readLine(line, 0.05), ChildProcess::Io::Timeout);
    EXPECT_TRUE(quiet.running());
    quiet.stop();
    EXPECT_FALSE(quiet.running());
}

TEST(ArenaChild, WritingToAProgramThatClosedItsInputFailsWithoutASignal) {
    ChildProcess child("exec 0<&-; echo closed; sleep 2");
    std::string line;
    ASSERT_EQ(child.readLine(line, 5), ChildProcess::Io::Ok);
    ASSERT_EQ(line, "closed");
    EXPECT_EQ(child.writeLine("opponent draws", 1), ChildProcess::Io::Closed);
    EXPECT_FALSE(child.running());
}
