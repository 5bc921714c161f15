#pragma once
// Painting the piles into their pictures: the reject pile's fan of its top three cards and
// the four stacked pictures of the face-down deal pile (DrawDealDeck).

#include <QPixmap>
#include <array>

#include "cards/card_slot.h"

namespace quillan {

class CardLibrary;
class CardBackPainter;
class Surface;

// Restores picReject from its clean background and paints the top three cards of the
// reject pile face up at (0, 0), (5, 1), (10, 2), oldest first.
void paintRejectPile(QPixmap& rejectPicture, const QPixmap& cleanBackground, const Pile& rejectPile,
                     CardLibrary& cards);

// Paints picDeal(stage): 4 - stage backs, each 2 right and 1 down from the one below.
void paintDealPileStage(QPixmap& picture, int stage, const CardBackPainter& back);

// DrawDealDeck's pile part: paints the four stages into picDeal(0..3), moves picDeal(1..3)
// onto picDeal(0)'s place and shows all four (callers then choose the visible stage).
void drawDealDeck(std::array<Surface*, 4> picDeal, const CardBackPainter& back);

// Ten backs at the computer's grouped positions (3, 3 and 4 cards), y = 0.
void paintComputerBacks(QPixmap& computerHand, int16 cardSpacing, const CardBackPainter& back);

} // namespace quillan
