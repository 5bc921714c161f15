#include <algorithm>
#include <gtest/gtest.h>
#include <map>

#include "app/settings_rules.h"
#include "app/text_number_rules.h"

using namespace quillan;

namespace {

// A store: the keys it holds, and the keys that were asked for.
struct Store {
    std::map<std::string, std::string> values;
    std::vector<std::string> asked;
    SettingReader reader() {
        return [this](const std::string& key, const std::string& def) {
            asked.push_back(key);
            const auto it = values.find(key);
            return it == values.end() ? def : it->second;
        };
    }
};

std::map<std::string, std::string> asMap(const std::vector<StoredSetting>& written) {
    return {written.begin(), written.end()};
}

} // namespace

TEST(ReadSettings, EmptyStoreGivesTheDefaults) {
    Store store;
    const Settings s = readSettings(store.reader());
    EXPECT_EQ(s.isPoker, kTrue);
    EXPECT_EQ(s.prfOpStandard, kTrue);
    EXPECT_EQ(s.prfOpQN, kFalse);
    EXPECT_EQ(s.prfOpOklahoma, kFalse);
    EXPECT_EQ(s.prfSound, kTrue);
    EXPECT_EQ(s.prfAnimation, kTrue);
    EXPECT_EQ(s.prfQNAutoSort, kTrue);
    EXPECT_EQ(s.prfShowHide, kTrue);
    EXPECT_EQ(s.prfQNScores, kTrue);
    EXPECT_EQ(s.prfShowPokerPlay, kFalse);
    EXPECT_EQ(s.prfPokerAutoDeal, kFalse);
    EXPECT_EQ(s.prfIsQNCustomCardBack, kFalse);
    EXPECT_EQ(s.prfCardSpace, 16);
    EXPECT_EQ(s.prfQNBackFace, 54);
    EXPECT_EQ(s.prfPKBackFace, 65);
    EXPECT_EQ(s.prfCardOutlineColor, 65280);
    EXPECT_EQ(s.prfAnimationDelay, -1);
    EXPECT_EQ(s.prfScrollVal, 0);
    EXPECT_EQ(s.prfQNBackground, "vangogh.jpg");
    EXPECT_EQ(s.prfPKBackground, "vpwood.jpg");
    EXPECT_EQ(s.prfQNCustomBackFace, "");
}

TEST(ReadSettings, KeysAreReadInLoadOrderWithoutTheStartUpKeys) {
    Store store;
    readSettings(store.reader());
    ASSERT_EQ(store.asked.size(), 23u);
    EXPECT_EQ(store.asked.front(), "prfCardOutlineColor");
    EXPECT_EQ(store.asked[1], "prfCardSpace");
    EXPECT_EQ(store.asked.back(), "prfScrollVal");
    EXPECT_EQ(std::count(store.asked.begin(), store.asked.end(), "prfHideDesktop"), 0);
}

TEST(SettingTexts, OnlyFalseReadsAsFalse) {
    EXPECT_EQ(flagFromText("False"), kFalse);
    EXPECT_EQ(flagFromText("false"), kTrue);
    EXPECT_EQ(flagFromText("0"), kTrue);
    EXPECT_EQ(flagFromText(""), kTrue);
    EXPECT_EQ(flagFromText("False "), kTrue);
    EXPECT_EQ(textFromFlag(kTrue), "True");
    EXPECT_EQ(textFromFlag(kFalse), "False");
}

TEST(SettingTexts, ZeroOrBadSpacingReadsSixteenAndAnyOtherSpacingIsKept) {
    EXPECT_EQ(cardSpaceFromText("0"), 16);
    EXPECT_EQ(cardSpaceFromText("24"), 24);
    EXPECT_EQ(cardSpaceFromText("wide"), 16);
    EXPECT_EQ(cardSpaceFromText("70000"), 16); // no 16-bit number
    // Wider than the preferences allow, but what the player stored.
    EXPECT_EQ(cardSpaceFromText("41"), 41);
    EXPECT_EQ(cardSpaceFromText("50"), 50);
    EXPECT_EQ(cardSpaceFromText("32767"), 32767);
    EXPECT_EQ(cardSpaceFromText("-3"), -3); // start-up then measures the spacing from the card
}

TEST(SettingTexts, EmptyBackgroundsHaveTheirOwnFallbacks) {
    Store store;
    store.values = {{"prfQNBackground", ""}, {"prfPKBackground", ""}};
    const Settings s = readSettings(store.reader());
    EXPECT_EQ(s.prfQNBackground, "beach.gif");
    EXPECT_EQ(s.prfPKBackground, "qnwood.jpg");
}

TEST(SettingTexts, GarbageInNumericKeysReadsAsTheDefault) {
    Store store;
    store.values = {{"prfCardOutlineColor", "green"}, {"prfCardSpace", "1x"},
                    {"prfQNBackFace", "&Hzz"},        {"prfPKBackFace", ""},
                    {"prfAnimationDelay", "fast"},    {"prfScrollVal", "99999"}};
    const Settings s = readSettings(store.reader());
    EXPECT_EQ(s.prfCardOutlineColor, 65280);
    EXPECT_EQ(s.prfCardSpace, 16);
    EXPECT_EQ(s.prfQNBackFace, 54);
    EXPECT_EQ(s.prfPKBackFace, 65);
    EXPECT_EQ(s.prfAnimationDelay, -1);
    EXPECT_EQ(s.prfScrollVal, 0);
}

TEST(SettingTexts, BackDesignZeroReadsAsTheGamesDesign) {
    EXPECT_EQ(backFaceFromText("0", 54), 54);
    EXPECT_EQ(backFaceFromText("60", 54), 60);
    EXPECT_EQ(backFaceFromText("-1", 65), -1); // a custom back is in use
}

TEST(SettingTexts, OutlineColourReadsHexAndItsOwnDecimalWrite) {
    EXPECT_EQ(outlineColourFromText("&H0000FF00&"), 65280);
    EXPECT_EQ(outlineColourFromText("&HFF&"), 255);
    Settings s;
    s.prfCardOutlineColor = 0x00C0FFEE;
    const auto written = asMap(settingsToWrite(s));
    EXPECT_EQ(written.at("prfCardOutlineColor"), "12648430");
    EXPECT_EQ(outlineColourFromText(written.at("prfCardOutlineColor")), 0x00C0FFEE);
}

TEST(SettingTexts, MouseAnswerZeroMeansNotSwapped) {
    EXPECT_EQ(mouseRightLeftFromText("0"), kTrue);
    EXPECT_EQ(mouseRightLeftFromText("1"), kFalse);
    EXPECT_EQ(mouseRightLeftFromText(""), kFalse);
}

TEST(SettingsToWrite, WritesEveryKeyInOrderWithTheMouseKeyLast) {
    Settings s;
    s.prfQNCustomBackFace = "mine.bmp";
    s.prfPKCustomBackFace = "poker.bmp";
    std::vector<std::string> keys;
    for (const auto& [key, text] : settingsToWrite(s)) {
        keys.push_back(key);
    }
    const std::vector<std::string> order{"prfQNScores",
                                         "prfIsQNCustomCardBack",
                                         "prfIsPKCustomCardBack",
                                         "prfHideDesktop",
                                         "prfQNCustomBackFace",
                                         "prfPKCustomBackFace",
                                         "prfCardOutlineColor",
                                         "prfCardSpace",
                                         "prfScrollVal",
                                         "prfQNBackFace",
                                         "prfPKBackFace",
                                         "prfShowPokerPlay",
                                         "prfPokerAutoDeal",
                                         "prfAnimation",
                                         "prfQNAutoSort",
                                         "prfShowHide",
                                         "prfSound",
                                         "isPoker",
                                         "prfAnimationDelay",
                                         "prfQNBackground",
                                         "prfPKBackground",
                                         "prfOpQN",
                                         "prfOpStandard",
                                         "prfOpOklahoma",
                                         "prfMouseRightLeft "};
    EXPECT_EQ(keys, order);
}

TEST(SettingsToWrite, EmptyTextsAreLeftOutAndTheMouseKeyRecordsTheSwap) {
    Settings s;
    s.prfPKBackground.clear();
    s.prfMouseRightLeft = kFalse;
    const auto written = asMap(settingsToWrite(s));
    EXPECT_EQ(written.count("prfQNCustomBackFace"), 0u);
    EXPECT_EQ(written.count("prfPKBackground"), 0u);
    EXPECT_EQ(written.at("prfMouseRightLeft "), "1");
    EXPECT_EQ(written.at("isPoker"), "True");
    EXPECT_EQ(written.at("prfAnimationDelay"), "-1");
}

TEST(SettingsToWrite, WhatIsWrittenReadsBackTheSame) {
    Settings s;
    s.prfQNBackground = "winter.jpg";
    s.isPoker = kFalse;
    s.prfOpOklahoma = kTrue;
    s.prfOpStandard = kFalse;
    s.prfCardSpace = 30;
    s.prfQNBackFace = 60;
    s.prfAnimationDelay = 1234;
    s.prfScrollVal = 7;
    Store store;
    for (const auto& [key, text] : settingsToWrite(s)) {
        store.values[key] = text;
    }
    Settings back = readSettings(store.reader());
    back.prfHideDesktop = s.prfHideDesktop;
    EXPECT_EQ(back.prfQNBackground, "winter.jpg");
    EXPECT_EQ(back.isPoker, kFalse);
    EXPECT_EQ(back.prfOpOklahoma, kTrue);
    EXPECT_EQ(back.prfOpStandard, kFalse);
    EXPECT_EQ(back.prfCardSpace, 30);
    EXPECT_EQ(back.prfQNBackFace, 60);
    EXPECT_EQ(back.prfAnimationDelay, 1234);
    EXPECT_EQ(back.prfScrollVal, 7);
    EXPECT_EQ(settingsToWrite(back), settingsToWrite(s));
}

TEST(TextNumbers, DecimalAndHexForms) {
    EXPECT_EQ(numberFromText(" 42 "), 42);
    EXPECT_EQ(numberFromText("-7"), -7);
    EXPECT_EQ(numberFromText("2.5"), 2);
    EXPECT_EQ(numberFromText("3.5"), 4);
    EXPECT_EQ(numberFromText("&HFFFFFFFF&"), -1);
    EXPECT_EQ(numberFromText("&h1f"), 31);
    EXPECT_FALSE(numberFromText(""));
    EXPECT_FALSE(numberFromText("-"));
    EXPECT_FALSE(numberFromText("1.2.3"));
    EXPECT_FALSE(numberFromText("&H123456789&"));
    EXPECT_FALSE(numberFromText("12 apples"));
}

TEST(TextNumbers, LabelsReadBackAsSixteenBitNumbers) {
    EXPECT_EQ(int16FromLabelText("-5"), -5);
    EXPECT_EQ(int16FromLabelText("32767"), 32767);
    try {
        int16FromLabelText("32768");
        ADD_FAILURE() << "no overflow";
    } catch (const ProgramError& e) {
        EXPECT_STREQ(e.description(), "Overflow");
    }
    try {
        int16FromLabelText("Won");
        ADD_FAILURE() << "no type mismatch";
    } catch (const ProgramError& e) {
        EXPECT_STREQ(e.description(), "Type mismatch");
    }
}
