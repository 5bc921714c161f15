#include <gtest/gtest.h>

#include "support/fake_platform.h"

using quillan::test::FakePlatform;

TEST(FakePlatform, AnswersFromScriptThenDefaults) {
    FakePlatform p;
    p.yesNoAnswers = {true};
    p.inputAnswers = {"Ann"};
    EXPECT_TRUE(p.askYesNo("q1", "t"));
    EXPECT_FALSE(p.askYesNo("q2", "t"));
    EXPECT_EQ(p.inputBox("name?", "t", "anonymous"), "Ann");
    EXPECT_EQ(p.inputBox("name?", "t", "anonymous"), "anonymous");
    EXPECT_EQ(p.questions.size(), 2);
}

TEST(FakePlatform, WaitsAdvanceTheClockOnly) {
    FakePlatform p;
    const qint64 before = p.tickCount();
    p.shortDelay(250);
    p.shortDelay(0);
    EXPECT_EQ(p.tickCount() - before, 250);
    EXPECT_EQ(p.delayCalls, 2);
}
