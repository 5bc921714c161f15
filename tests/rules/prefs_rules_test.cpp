#include <gtest/gtest.h>

#include "cards/deal_rules.h"
#include "prefs/prefs_choice_rules.h"
#include "prefs/prefs_spacing_rules.h"
#include "prefs/prefs_speed_rules.h"
#include "table/card_animation_rules.h"

using namespace quillan;

// Positions to delays (the ends and the middle are checked on the dialog itself), and back:
// every delay the calibration gives up to 500 comes out of its slider position again.
TEST(PrefsSpeedSlider, ClampsAndGivesBackEveryCalibratedDelayUpTo500) {
    EXPECT_EQ(animationDelayForSlider(-20), 6000);
    EXPECT_EQ(animationDelayForSlider(32767), 0);
    for (int32 d = 0; d <= 500; ++d) {
        EXPECT_EQ(animationDelayForSlider(scrollValForDelay(d)), d) << d;
    }
}

TEST(PrefsSpacing, AcceptsTenToFortyAndKeepsWhenTheBoxHoldsNoNumber) {
    using K = SpacingEntry::Kind;
    EXPECT_EQ(checkCardSpacing("10").kind, K::Accept);
    EXPECT_EQ(checkCardSpacing("40").spacing, 40);
    EXPECT_EQ(checkCardSpacing(" 25 ").spacing, 25);
    EXPECT_EQ(checkCardSpacing("12.5").spacing, 12); // halves to even
    EXPECT_EQ(checkCardSpacing("&H14").spacing, 20);
    EXPECT_EQ(checkCardSpacing("").kind, K::Keep);
    EXPECT_EQ(checkCardSpacing("   ").kind, K::Keep);
    for (const char* text : {"abc", "12px", "2O", "1.2.3", "-", "&H", "&HXY"}) {
        EXPECT_EQ(checkCardSpacing(text).kind, K::Keep) << text;
    }
    for (const char* bad : {"9", "41", "9.4", "-20", "99999999", "&H29"}) {
        EXPECT_EQ(checkCardSpacing(bad).kind, K::Refuse) << bad;
    }
}

TEST(PrefsSpacing, RescaledHandMatchesAHandDealtAtTheNewSpacing) {
    Deck deck;
    for (int i = 0; i < 52; ++i) {
        setCard(deck[i], i);
    }
    Hand computer, player, computerWide, playerWide;
    dealHands(deck, computer, player, 16, 19, 71);
    dealHands(deck, computerWide, playerWide, 32, 19, 71);
    player[10].x = 123;
    rescaleHand(player, 16, 32, 71);
    rescaleHand(computer, 16, 32, 71);
    for (int k = 0; k < 10; ++k) {
        EXPECT_EQ(player[k].x, playerWide[k].x) << k;
        EXPECT_EQ(player[k].xEnd, playerWide[k].xEnd) << k;
        EXPECT_EQ(player[k].y, 19) << k;
        EXPECT_EQ(computer[k].x, computerWide[k].x) << k;
    }
    EXPECT_EQ(player[10].x, 123);
    const Hand before = player;
    rescaleHand(player, 0, 20, 71);
    EXPECT_EQ(player, before);
}

TEST(PrefsBackChoice, DesignsAndPicturesChangeOnlyWhenDifferent) {
    ASSERT_EQ(kBackDesignNames[11], "Beach");
    const GameBack plaid{54, kFalse, ""};
    EXPECT_EQ(backForChoice(11, "Beach", plaid), (GameBack{64, kFalse, ""}));
    EXPECT_FALSE(backForChoice(1, "Plaid", plaid));
    EXPECT_FALSE(backForChoice(-1, "", plaid));
    EXPECT_EQ(backForChoice(13, "compass.jpg", plaid), (GameBack{-1, kTrue, "compass.jpg"}));
    EXPECT_FALSE(backForChoice(13, "", plaid));

    const GameBack custom{-1, kTrue, "compass.jpg"};
    EXPECT_FALSE(backForChoice(13, "compass.jpg", custom));
    EXPECT_EQ(backForChoice(14, "mosaic.jpg", custom)->customName, "mosaic.jpg");
    EXPECT_EQ(backForChoice(0, "Hatch", custom), (GameBack{53, kFalse, ""}));
    // A design number left beside a custom picture can still be chosen back.
    EXPECT_TRUE(backForChoice(1, "Plaid", GameBack{54, kTrue, "compass.jpg"}));
    // A remembered picture name whose flag is off can be chosen again.
    EXPECT_TRUE(backForChoice(13, "compass.jpg", GameBack{54, kFalse, "compass.jpg"}));
}
