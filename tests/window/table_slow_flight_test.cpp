// The slowest animation speeds on the real window: a card flight, the Gin Rummy deal and a
// stored delay far beyond the speed slider all finish within a bounded time, and no frame
// waits longer than the slider's slowest setting gives.
#include <algorithm>
#include <climits>
#include <cmath>

#include "prefs/prefs_speed_rules.h"
#include "support/rummy_window_fixture.h"
#include "table/card_animation_rules.h"
#include "table/hand_painting.h"

using namespace quillan;
using quillan::test::RummyWindowTest;

namespace {

class SlowFlights : public RummyWindowTest {
  protected:
    FrmMain& slowGame(int32 delay) {
        FrmMain& w = game();
        w.settings.prfAnimation = kTrue;
        w.settings.prfAnimationDelay = delay;
        platform.onSleep = [this](int ms) { longestSleep = std::max(longestSleep, ms); };
        return w;
    }
    // One flight of 300 frames across the table; its length in fake milliseconds.
    qint64 flyAcross(FrmMain& w) {
        const qint64 start = platform.clockMs;
        int32 x = 100, y = 100;
        w.AnimateCard(x, y, 400, 200, 1, 54, CardLibrary::kModeBack, kNoSkip, false);
        return platform.clockMs - start;
    }
    int longestSleep = 0;
};

// "A few seconds at most" for one flight, whatever the setting.
constexpr qint64 kFewSecondsMs = 3000;
// The longest one frame may wait: what the slider's slowest setting gives.
const int kSlowestFrameMs =
    static_cast<int>(std::ceil(frameMicrosForDelay(animationDelayForSlider(0)) / 1000.0));

} // namespace

TEST_F(SlowFlights, TheSlowestSettingFliesACardInAFewSeconds) {
    FrmMain& w = slowGame(6000);
    const qint64 ms = flyAcross(w);
    EXPECT_LE(ms, kFewSecondsMs);
    EXPECT_GT(ms, 1000); // still the slowest there is
    EXPECT_LE(longestSleep, kSlowestFrameMs);
    EXPECT_EQ(w.settings.prfAnimationDelay, 6000);
}

TEST_F(SlowFlights, AHugeStoredDelayNeitherFreezesTheTableNorIsRewritten) {
    platform.settings["prfAnimationDelay"] = "2147483647";
    FrmMain& w = slowGame(INT_MAX);
    ASSERT_EQ(w.settings.prfAnimationDelay, INT_MAX);
    EXPECT_LE(flyAcross(w), kFewSecondsMs);
    EXPECT_LE(longestSleep, kSlowestFrameMs);
    w.Form_Unload();
    EXPECT_EQ(platform.settings["prfAnimationDelay"], "2147483647");
}

TEST_F(SlowFlights, TheWholeDealAtTheSlowestSettingIsBounded) {
    FrmMain& w = slowGame(6000);
    w.kept.playerStartsNext = kFalse; // the player opens: only the deal's 21 flights
    const qint64 start = platform.clockMs;
    w.mnuPlayRummy_Click();
    const qint64 ms = platform.clockMs - start;
    EXPECT_EQ(w.cards.stock.upperBound(), 30);
    EXPECT_LE(ms, 21 * kFewSecondsMs); // not the three minutes it once took
    EXPECT_LE(longestSleep, kSlowestFrameMs);
}
