#pragma once
// What the Gin Rummy turns keep between one event and the next: the knock the player's last
// analysis prepared, whether the computer may knock, and the pointer over the player's hand.

#include <QString>

#include "rummy/hand_analysis_rules.h"

namespace quillan {

enum class HandEnding; // rummy/scoring_rules.h

struct RummyPlay {
    int16 computerMayKnock = kFalse; // the analysis may end in a computer knock
    CardSlot knockDiscard;           // the card thrown for the player when the player knocks
    // The player's last analysis that found a knockable hand (its melds take lay-offs).
    HandAnalysis preparedKnock;
    QString resultSoundFile; // played when the computer is undercut
    // How the figures on the score panel were scored (the deadwood correction follows it).
    HandEnding panelEnding{};
};

// Which part of the table a mouse press went to.
enum class TablePlace { None, Table, Deck, Reject, PlayerHand, PlayerDraw, Other };

struct HandPointer {
    int16 primaryButtonDown = kFalse; // the last press on the hand or drawn card was button 1
    int16 handMouseDown = kFalse;     // a button is down over the hand
    int16 dragMoved = kFalse;         // moved more than 5 pixels since the press
    int32 downX = 0;
    int16 hoverSlot = 0;
    int16 lastHoverSlot = -1;
    int16 hoverActive = kFalse;
    CardSlot dragCard{0, 0, 0, -1, -1, -1, 0}; // the card to drag (-1: none)
    int32 grabOffset = 0;
    TablePlace pressedOn = TablePlace::None;     // where the button is down
    TablePlace lastPressedOn = TablePlace::None; // where the last press went
    bool clickAllowed = true;                    // false for the second press of a double-click
};

} // namespace quillan
