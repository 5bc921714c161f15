#pragma once
// The player's preferences and the values of the same family that live only for one run.
// Every member carries the name of its key in the settings store; booleans are 16-bit
// flags (true = -1). Loaded when the main window loads, written back when it closes.

#include <string>

#include "common/int16.h"

namespace quillan {

struct Settings {
    // Stored under application "Quillan", section "Preferences".
    int32 prfCardOutlineColor = 65280; // green
    int16 prfCardSpace = 16;
    std::string prfQNCustomBackFace;
    std::string prfPKCustomBackFace;
    int16 prfIsQNCustomCardBack = kFalse;
    int16 prfIsPKCustomCardBack = kFalse;
    int32 prfQNBackFace = 54;
    int32 prfPKBackFace = 65;
    int16 prfShowPokerPlay = kFalse;
    int16 prfOpOklahoma = kFalse;
    int16 prfOpStandard = kTrue;
    int16 prfOpQN = kFalse;
    int16 prfQNScores = kTrue;
    int16 prfPokerAutoDeal = kFalse;
    int16 isPoker = kTrue;
    int16 prfShowHide = kTrue;
    int16 prfAnimation = kTrue;
    int16 prfQNAutoSort = kTrue;
    int16 prfSound = kTrue;
    int32 prfAnimationDelay = -1; // negative: measure the animation speed at start-up
    std::string prfQNBackground = "vangogh.jpg";
    std::string prfPKBackground = "vpwood.jpg";
    int16 prfScrollVal = 0;
    int16 prfHideDesktop = kFalse; // read by the start-up sequence, written at close

    // Not stored (the mouse answer is written, but never read back).
    int16 prfMouseRightLeft = kTrue; // true: the mouse buttons are not swapped
    int16 prfWager = 0;
    int16 prfvidPokMoney = 0;
    int16 prfvidPokPerfPlay = 0;
};

} // namespace quillan
