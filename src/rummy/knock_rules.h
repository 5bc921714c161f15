#pragma once
// When a Gin Rummy hand may be ended by knocking, per rule variant, and what the player's
// side of it shows: the knock limit MAXDEADWOOD, the outcome of the player's analysis, the
// answer to a knock request and the variant's status line.

#include <string>

#include "rummy/hand_analysis_rules.h"

namespace quillan {

enum class RummyVariant { Simple, Standard, Oklahoma };

// The variant from the three option settings (prfOpQN, prfOpStandard, prfOpOklahoma; exactly
// one is true). Simple wins over Standard, Standard over Oklahoma, if several are set.
RummyVariant variantFromSettings(int16 prfOpQN, int16 prfOpStandard, int16 prfOpOklahoma);

// MAXDEADWOOD for Simple (0) and Standard (10), set at the start of each hand.
int16 fixedMaxDeadwood(RummyVariant variant);

// MAXDEADWOOD in Oklahoma, from the first card turned up at the deal: its rank, 10 for a
// jack, queen or king (an ace gives 1).
int16 oklahomaMaxDeadwood(const CardSlot& upcard);

inline constexpr const char* kKnockBeforeDiscard = "Knock before you discard";
inline constexpr const char* kYouCanKnock = "You can knock";
inline constexpr const char* kYouCanKnockThreeMelds = "*~You can knock*~";
inline constexpr const char* kYouKnock = "You Knock";
inline constexpr const char* kYouKnockGin = "You Knock Gin";

// What the window does after analysing the player's hand.
enum class PlayerAnalysisOutcome {
    Gin,           // end the hand at once as the player's gin (whatever playerHoldsDraw says)
    Nothing,       // nothing is shown
    KnockPrepared, // lblKnock "You Knock", show statusText, knockDiscard = discardCandidate,
                   // prepare the player's knock figures (scoring_rules.h)
};

struct PlayerAnalysisResult {
    PlayerAnalysisOutcome outcome = PlayerAnalysisOutcome::Nothing;
    std::string statusText; // "You Knock Gin", "*~You can knock*~", "You can knock" or empty
};

// Gin (orders 1 and 2) ends the hand. Otherwise a knockable hand is prepared for the knock only
// while the player holds eleven cards (playerHoldsDraw).
PlayerAnalysisResult playerAnalysisOutcome(const HandAnalysis& analysis, int16 maxDeadwood,
                                           bool playerHoldsDraw);

enum class KnockRequest {
    NotDrawn, // show `message` ("Knock before you discard") in an OK box; nothing else changes
    Refused,  // show `message` (the variant's rule) in an OK box; nothing else changes
    Accepted, // the knock goes through: set handOver, discard knockDiscard, show the panel
};

struct KnockDecision {
    KnockRequest request = KnockRequest::NotDrawn;
    std::string message;
};

// PlayerKnock's decision. The deadwood is countDeadwood(playerUnmatched), the cards the last
// analysis of the eleven cards counted.
KnockDecision decidePlayerKnock(bool playerHoldsDraw, const CardList& playerUnmatched,
                                RummyVariant variant, int16 maxDeadwood);

// The refusal text of the variant, lines separated by CR LF.
std::string knockRefusalText(RummyVariant variant, int16 maxDeadwood, int16 deadwood);

// The slot of handplayer (0..10) holding knockDiscard, found by cardvalue; 0 when absent.
int knockDiscardSlot(std::span<const CardSlot> handplayer, const CardSlot& knockDiscard);

// The status line to show for the variant after the player's discard, or an empty text when
// the current status line already shows it (containment tests are case-sensitive).
std::string variantStatusText(RummyVariant variant, int16 maxDeadwood,
                              const std::string& currentStatus);

} // namespace quillan
