#pragma once
// The drawing surfaces of the table and the values that go with them. Every card place is
// a Surface painted by the canvas; the *Back surfaces hold the clean background under a
// place (they are never shown, except picplayerBack2 and picComputerBack2, which lie over
// a card sliding out of a hand).

#include <QPixmap>
#include <array>

#include "common/int16.h"
#include "table/surface.h"

class QFrame;
class QLabel;

namespace quillan {

inline constexpr int kPokerCards = 5;
inline constexpr int kPayLabels = 21;

struct TableState {
    QPixmap thePic;        // the current background picture
    QPixmap picCustomBack; // custom card back, when one is in use
    QPixmap BoardBuffer;   // the composed table, what AnimateCard draws moving cards over
    QPixmap picBuffer;     // one card: what lies under a moving card

    Surface picAnimate; // the card in flight, and the empty-place mark
    Surface picPlayerHand;
    Surface picComputerHand;
    Surface picPlayerBack;
    Surface picplayerBack2;
    Surface picComputerBack;
    Surface picComputerBack2;
    Surface picPlayerDraw;
    Surface picComputerDraw;
    Surface picPlayerDrawBack;
    Surface picComputerDrawBAck;
    Surface picReject;
    Surface picRejectBack;
    std::array<Surface, 4> picDeal;
    Surface picDealBack;
    std::array<Surface, kPokerCards> picPoker;
    Surface picStatus;

    // Border strips, painted stretched along the four edges.
    QPixmap picTop;
    QPixmap picBottom;
    QPixmap picSide1;
    QPixmap picSide2;

    // Outlines of a held Video Poker card and its two decoration lines (owned by the canvas).
    std::array<QFrame*, kPokerCards> Shape1{};
    std::array<QFrame*, kPokerCards> Shape2{};
    std::array<QFrame*, kPokerCards> Shape3{};

    // Labels over the table (owned by the canvas).
    QLabel* lblBankPlayer = nullptr;
    QLabel* lblBankComputer = nullptr;
    std::array<QLabel*, kPayLabels> pkLabel{}; // the strategy and pay column
    QLabel* Label1 = nullptr;                  // "Won", over the credit meter

    int16 inAutoSize = kFalse;          // the window is being sized by the program
    int16 needAnimCalibration = kFalse; // the stored animation delay was negative
    int16 raisedSlot = -1;              // the player's card refreshHand last drew raised
    int16 dealPileStage = 0;            // which picDeal picture shows the stock
};

} // namespace quillan
