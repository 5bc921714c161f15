#include <gtest/gtest.h>

#include "table/table_layout_rules.h"

namespace quillan {
namespace {

CardGeometry cards71x96() {
    return {71, 96, 16, 19};
}

TableDesign knownDesign() {
    TableDesign d;
    d.topStripHeight = 8;
    d.bottomStripHeight = 8;
    d.side1Width = 8;
    d.side2Width = 8;
    d.statusHeight = 20;
    d.pokerLabels = {200, 300};
    d.bankLabel = {60, 20};
    d.frame = {250, 200};
    return d;
}

void expectRect(const LayoutRect& r, double x, double y, double w, double h) {
    EXPECT_DOUBLE_EQ(r.x, x);
    EXPECT_DOUBLE_EQ(r.y, y);
    EXPECT_DOUBLE_EQ(r.w, w);
    EXPECT_DOUBLE_EQ(r.h, h);
}

TEST(TableLayout, GinRummyPlacesOn800x600) {
    const TableLayout t = layoutTable(800, 600, cards71x96(), knownDesign(), false);
    // Reject pile holds the three-card fan: 81 x 98.
    expectRect(t.reject, 120, 239, 81, 98);
    expectRect(t.deal, 241.5, 239, 77, 99);
    expectRect(t.playerHand, 80, 425, 231, 115);
    expectRect(t.computerHand, 80, 30, 231, 96);
    expectRect(t.computerDraw, 327, 30, 71, 96);
    expectRect(t.playerDraw, 327, 444, 71, 96);
    expectRect(t.bankPlayer, 620, 500, 60, 20);
    expectRect(t.bankComputer, 620, 30, 60, 20);
    expectRect(t.frame1, 520, 140, 250, 200);
    expectRect(t.status, 12, 572, 776, 20);
    expectRect(t.pokerLabels, 588, 12, 200, 300);
    EXPECT_FALSE(t.hasPokerCards);
}

TEST(TableLayout, BorderStripsFrameTheStatusStrip) {
    const TableLayout t = layoutTable(800, 600, cards71x96(), knownDesign(), false);
    expectRect(t.topStrip, 0, 0, 800, 8);
    expectRect(t.bottomStrip, 0, 592, 800, 8);
    expectRect(t.bottomStrip2, 0, 565, 800, 8);
    expectRect(t.side1, 0, 0, 8, 600);
    expectRect(t.side2, 792, 0, 8, 600);
    // The status strip lies between the two bottom strips.
    EXPECT_GE(t.status.y + 1, t.bottomStrip2.y + t.bottomStrip2.h);
    EXPECT_LE(t.status.y + t.status.h, t.bottomStrip.y);
}

TEST(TableLayout, VideoPokerPlacesOn640x480) {
    const TableLayout t = layoutTable(640, 480, cards71x96(), knownDesign(), true);
    expectRect(t.reject, 96, 179, 81, 98);
    expectRect(t.deal, 156.75, 50, 77, 99);
    ASSERT_TRUE(t.hasPokerCards);
    const double lefts[5] = {29, 110.65, 192.3, 273.95, 355.6};
    for (int i = 0; i < 5; ++i) {
        EXPECT_NEAR(t.poker[i].x, lefts[i], 1e-9) << i;
        EXPECT_DOUBLE_EQ(t.poker[i].y, 223);
        EXPECT_DOUBLE_EQ(t.poker[i].w, 71);
    }
    expectRect(t.shape3InCard, 69, 0, 1, 96);
    expectRect(t.pokerLabels, 428, 12, 200, 300);
    expectRect(t.side2BesidePanel, 420, 0, 8, 480);
    expectRect(t.status, 12, 452, 408, 20);
    expectRect(t.playerHand, 64, 311, 231, 115);
}

TEST(TableLayout, PixelRectRoundsHalvesToEven) {
    EXPECT_EQ(pixelRect({241.5, 238.5, 110.65, 0.5}), (PixelRect{242, 238, 111, 0}));
    const TableLayout t = layoutTable(640, 480, cards71x96(), knownDesign(), true);
    EXPECT_EQ(pixelRect(t.poker[3]).x, 274);
    EXPECT_EQ(pixelRect(t.poker[4]).x, 356);
}

TEST(TableLayout, ClientSizeFollowsThePicture) {
    EXPECT_EQ(clientRectForPicture(500, 400, false), (PixelRect{0, 0, 500, 400}));
    EXPECT_EQ(clientRectForPicture(500, 400, true), (PixelRect{0, 0, 640, 400}));
    EXPECT_EQ(clientRectForPicture(900, 700, true), (PixelRect{0, 0, 900, 700}));
}

TEST(TableLayout, ResizeNeverMaximisesAndSnapsBack) {
    const ResizeActions maxed = resizeActions(WindowState::Maximized, false, false, 800);
    EXPECT_TRUE(maxed.restoreNormal);
    EXPECT_TRUE(maxed.snapToPicture);

    const ResizeActions dragged = resizeActions(WindowState::Normal, false, false, 500);
    EXPECT_FALSE(dragged.restoreNormal);
    EXPECT_TRUE(dragged.snapToPicture);
    EXPECT_FALSE(dragged.widenForPoker);

    const ResizeActions byProgram = resizeActions(WindowState::Normal, true, true, 500);
    EXPECT_FALSE(byProgram.snapToPicture);
    EXPECT_TRUE(byProgram.widenForPoker);

    const ResizeActions minimised = resizeActions(WindowState::Minimized, false, true, 100);
    EXPECT_FALSE(minimised.snapToPicture);
    EXPECT_FALSE(minimised.widenForPoker);
}

} // namespace
} // namespace quillan
