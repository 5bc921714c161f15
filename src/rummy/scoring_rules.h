#pragma once
// Scoring a finished Gin Rummy hand: the defender's deadwood after laying off onto the
// knocker's melds, the figures and texts of the score panel for the six endings, the bank
// arithmetic (16-bit, "Overflow" beyond it) and the choice of the result sounds.

#include <string>

#include "rummy/card_list_rules.h"

namespace quillan {

inline constexpr int16 kGinBonus = 25;
inline constexpr int16 kUndercutPenalty = 25;

// The defender's deadwood after laying off. `defenderUnmatched` is the defender's stored
// unmatched list (playerUnmatched when the computer knocked, computerUnmatched otherwise);
// the melds are the knocker's (empty lists in place of missing melds take nothing).
// With layOff: each run (turned to ascending order) takes, in four passes, a card one below
// its bottom, one below that, one above its top, one above that; then each set takes every
// card of its rank. A card is laid off at most once. The laid-off cards are then marked in
// the list (cardvalue -1, rank 0) so the end of hand no longer highlights them.
// Without layOff (gin) nothing is laid off and the list is left alone.
int16 countLayOffDeadwood(const CardList& m1, const CardList& m2, const CardList& m3, bool layOff,
                          CardList& defenderUnmatched);

enum class HandEnding {
    PlayerGin,
    PlayerKnock,
    ComputerGin, // a three-3-card-meld gin only; any other computer gin is a knock with 0
    ComputerKnock,
};

// The score panel (Frame1) of a finished hand, its labels' texts and what the banks get.
struct ScorePanel {
    HandEnding ending = HandEnding::PlayerKnock;
    std::string lblKnock;
    std::string lblGin;
    std::string lblUndercut;
    std::string lblYourDeadWood;
    std::string lblComputerDeadwood;
    std::string lblTotal;
    int16 playerDeadwood = 0;
    int16 computerDeadwood = 0;
    int16 total = 0;
    // The knocker was undercut (equal deadwood counts as an undercut).
    bool undercut = false;
    // Added to prfComputerBank at once (computer endings), 0 otherwise.
    int16 computerBankChange = 0;
    // The player's points, kept in handScore until UpdateBank (player endings), 0 otherwise.
    int16 handScore = 0;
};

// A value label's text: a blank and the number (" 25", " 0"); a negative number without the
// blank ("-25").
std::string panelNumber(int value);

// The four ways a hand is scored. The defender's deadwood is the lay-off count (without
// laying off for gin); the knocker's is its analysis deadwood.
ScorePanel scorePlayerGin(int16 computerDeadwood);
ScorePanel scorePlayerKnock(int16 playerDeadwood, int16 computerDeadwood);
ScorePanel scoreComputerGin(int16 playerDeadwood);
ScorePanel scoreComputerKnock(int16 computerDeadwood, int16 playerDeadwood);

// bank + change, raising "Overflow" outside -32768..32767 (the caller's bank is then left
// unchanged because the new value is never assigned).
int16 addToBank(int16 bank, int16 change);

struct BankTotals {
    int16 computer = 0; // prfComputerBank
    int16 player = 0;   // prfPlayerBank
    int16 handScore = 0;
};

// UpdateBank's arithmetic: with the computer's hand shown (prfShowHide 0) both banks first
// become 0; then handScore moves into the player's bank. Raises "Overflow" (nothing changes).
BankTotals updateBank(const BankTotals& banks, int16 prfShowHide);

// A click on the player's deadwood figure: the primary button (1) lowers the figure by 1,
// any other button raises it; the labels then hold the bare number. The total and the bank
// of the hand's winner follow the figure the way the hand was scored: for a hand the
// computer ended (its knock or gin) the total and the computer's bank move with the figure;
// for a hand the player ended (knock or gin) the total and the player's points (handScore)
// move against it, since less deadwood is more for the player. The figure never goes below
// 0: a click that would take it there changes no number.
struct DeadwoodFigures {
    int16 playerDeadwood = 0;
    int16 total = 0;
    int16 computerBank = 0;
    int16 handScore = 0;
};
struct DeadwoodCorrection {
    DeadwoodFigures figures;
    std::string lblYourDeadWood;
    std::string lblTotal;
};
DeadwoodCorrection correctPlayerDeadwood(HandEnding ending, const DeadwoodFigures& now, int button);

// WinnerComputerHoopla's choices from uniform draws in [0, 1) (the window reseeds before
// each): the sound kept for an undercut computer, and the loss sound played now.
std::string resultSoundFor(double r);              // "\wavs\ohdear.wav", doh, peek
std::string lossSoundFor(double r, double second); // "\wavs\wrong.wav" or lost1/lost2
inline constexpr const char* kPlayerWinSound = "\\wavs\\pokerwin1.wav";

} // namespace quillan
