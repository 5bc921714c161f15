// The player's QT_SCALE_FACTOR: which values can draw the window, and the line said for one
// that cannot.
#include <gtest/gtest.h>

#include "table/scale_factor_rules.h"

using namespace quillan;

namespace {
const std::pair<int, int> kFullHd{1920, 1080};
const std::pair<int, int> kUhd{3840, 2160};
} // namespace

TEST(ScaleFactorRules, OnlyAWholeFiniteNumberAboveZeroIsTaken) {
    for (const char* text : {"", " ", "abc", "1.5x", "1,5", "x2", "nan", "inf", "-inf", "1e400",
                             "0x2", "1 2", "++1"}) {
        EXPECT_EQ(scaleFactorProblem(text, kUhd), "not a number") << text;
    }
    for (const char* text : {"0", "-0", "0.0", "-1", "-65536"}) {
        EXPECT_EQ(scaleFactorProblem(text, kUhd), "not above 0") << text;
    }
    for (const char* text : {"1", "1.25", " 2 ", "+1.5", "1.5\n", "0.5", "2e0"}) {
        EXPECT_EQ(scaleFactorProblem(text, kUhd), "") << text;
    }
}

TEST(ScaleFactorRules, TheWindowMustFitOnTheScreenWhenTheScreenIsKnown) {
    const std::string tooLarge = "the window would be larger than the screen";
    EXPECT_EQ(scaleFactorProblem("100", kFullHd), tooLarge);
    EXPECT_EQ(scaleFactorProblem("1.2", std::pair{1024, 768}), tooLarge); // 780 rows of 768
    EXPECT_EQ(scaleFactorProblem("2.5", kFullHd), tooLarge);              // 2000 columns of 1920
    EXPECT_EQ(scaleFactorProblem("1.6", kFullHd), "");                    // 1280 x 1040 fits
    EXPECT_EQ(scaleFactorProblem("4", kUhd), tooLarge);
    EXPECT_EQ(scaleFactorProblem("2", std::pair{1600, 1300}), "");       // exactly the screen
    EXPECT_EQ(scaleFactorProblem("2", std::pair{1600, 1299}), tooLarge); // a row short
    EXPECT_EQ(scaleFactorProblem("100", std::nullopt), ""); // no screen to measure against
}

TEST(ScaleFactorRules, TheLineNamesTheVariableTheValueWhyAndTheSizeUsed) {
    EXPECT_EQ(ignoredScaleFactorLine("100", "the window would be larger than the screen", 125),
              "Quillan: QT_SCALE_FACTOR=100 is ignored (the window would be larger than the "
              "screen); the window is drawn at the table size, 125%.");
    // Control characters never break the line; a long value is cut short.
    EXPECT_EQ(ignoredScaleFactorLine("1\n2\x1b", "not a number", 100),
              "Quillan: QT_SCALE_FACTOR=1?2? is ignored (not a number); the window is drawn at "
              "the table size, 100%.");
    const std::string line = ignoredScaleFactorLine(std::string(500, '9'), "not a number", 100);
    EXPECT_NE(line.find("=" + std::string(40, '9') + "... is ignored"), std::string::npos);
    EXPECT_EQ(line.find('\n'), std::string::npos);
}
