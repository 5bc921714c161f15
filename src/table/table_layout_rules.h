#pragma once
// Where every place of the table goes. The layout is computed in floating point from the
// client size, the card size and the sizes of the window's fixed parts (border strips,
// status strip, pay-table panel, bank labels, score panel); a surface is placed at its
// position rounded to whole pixels (halves to even) with pixelRect().

#include "common/int16.h"

namespace quillan {

struct LayoutRect {
    double x = 0;
    double y = 0;
    double w = 0;
    double h = 0;
    bool operator==(const LayoutRect&) const = default;
};

struct PixelRect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    bool operator==(const PixelRect&) const = default;
};

struct SizeD {
    double w = 0;
    double h = 0;
};

// Rounds each field to whole pixels, halves to even.
PixelRect pixelRect(const LayoutRect& r);

// Card geometry shared by the table and the hands.
struct CardGeometry {
    int32 cWidth = 71;
    int32 cHeight = 96;
    int16 cardSpacing = 16;
    int16 handTop = 19;
};

// Sizes of the window's fixed parts, as the window is designed.
struct TableDesign {
    double topStripHeight = 0;    // picTop
    double bottomStripHeight = 0; // picBottom
    double side1Width = 0;        // picSide1
    double side2Width = 0;        // picSide2
    double statusHeight = 0;      // picStatus
    SizeD pokerLabels;            // picPokerLabels
    SizeD bankLabel;              // lblBankPlayer and lblBankComputer
    SizeD frame;                  // Frame1
};

struct TableLayout {
    LayoutRect reject;           // picReject and picRejectBack
    LayoutRect deal;             // picDeal(0..3) and picDealBack, all at one place
    LayoutRect poker[5];         // picPoker(i) and Shape1(i); Video Poker only
    LayoutRect shape3InCard;     // Shape3 inside each picPoker (card-relative)
    LayoutRect playerHand;       // picPlayerHand, picPlayerBack, picplayerBack2
    LayoutRect computerHand;     // picComputerHand, picComputerBack, picComputerBack2
    LayoutRect playerDraw;       // picPlayerDraw and picPlayerDrawBack
    LayoutRect computerDraw;     // picComputerDraw and picComputerDrawBAck
    LayoutRect topStrip;         // picTop
    LayoutRect bottomStrip;      // picBottom, at the bottom edge
    LayoutRect bottomStrip2;     // picBottom again, above the status strip
    LayoutRect side1;            // picSide1
    LayoutRect side2;            // picSide2
    LayoutRect side2BesidePanel; // picSide2 left of the pay table (Video Poker only)
    LayoutRect pokerLabels;      // picPokerLabels
    LayoutRect bankPlayer;       // lblBankPlayer
    LayoutRect bankComputer;     // lblBankComputer
    LayoutRect frame1;           // Frame1
    LayoutRect status;           // picStatus and lblStatus
    bool hasPokerCards = false;  // poker[] and side2BesidePanel are in use
};

// Surface sizes that follow from the card geometry.
double handWidth(const CardGeometry& g);        // 10 x cardSpacing + cWidth
double playerHandHeight(const CardGeometry& g); // cHeight + handTop
SizeD rejectPileSize(const CardGeometry& g);    // room for the three-card fan
SizeD dealPileSize(const CardGeometry& g);      // room for four stacked backs

// The whole table for the given client size, in either game.
TableLayout layoutTable(double clientWidth, double clientHeight, const CardGeometry& g,
                        const TableDesign& d, bool isPoker);

// Narrowest client area of the Video Poker table.
inline constexpr int kPokerMinClientWidth = 640;

// Client size the window takes for a background picture: exactly the picture, but at
// least kPokerMinClientWidth wide in Video Poker (the rest shows the window colour).
PixelRect clientRectForPicture(int pictureWidth, int pictureHeight, bool isPoker);

// What the window does on a resize event.
enum class WindowState { Normal, Minimized, Maximized };
struct ResizeActions {
    bool restoreNormal = false; // it was maximised: hide, restore, show
    bool snapToPicture = false; // size the client to the picture again
    bool widenForPoker = false; // widen the client to kPokerMinClientWidth
};
ResizeActions resizeActions(WindowState state, bool inAutoSize, bool isPoker,
                            int clientWidthAfterSnap);

} // namespace quillan
