#pragma once
// The vector artwork behind the card painter. Everything paints in card coordinates:
// a 71 x 96 rectangle with its top-left corner at (0, 0).

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRectF>

namespace quillan::card_art {

inline constexpr int kCardWidth = 71;
inline constexpr int kCardHeight = 96;
inline constexpr int kFaceCount = 52;
inline constexpr int kFirstBack = 53;
inline constexpr int kLastBack = 65;
inline constexpr int kFrameCount = 4;

enum Suit { kClubs = 0, kDiamonds = 1, kHearts = 2, kSpades = 3 };

// The outline of a suit symbol fitted into box (upright).
QPainterPath suitPath(int suit, const QRectF& box);
QColor suitColour(int suit);
// Fills a suit symbol centred on centre, size w x h; upside down when flipped.
void paintPip(QPainter& p, int suit, QPointF centre, qreal w, qreal h, bool flipped = false);

// The corner index: the centre lines of the rank's strokes lie in kRankBox (the strokes reach
// less than a pixel further) and the suit fills kSuitBox. Together they keep within 8.5 of
// the card's left edge, inside the strip a card shows at the narrowest hand spacing (10),
// with a pixel of paper left before the next card's edge.
inline constexpr QRectF kRankBox(2.3, 3.3, 5.4, 9.6);
inline constexpr QRectF kSuitBox(1.5, 16.0, 7.0, 8.0);
// The centre lines of a rank's strokes fitted into box, and the pen that strokes them.
QPainterPath rankOutline(int rank, const QRectF& box);
QPen rankPen(int rank, const QColor& colour);

// The white rounded card with its thin edge.
QPainterPath cardOutline();
void paintBlankCard(QPainter& p, const QColor& fill);

// Face of card value 0..51 (rank = value / 4 + 1, suit = value % 4).
void paintFace(QPainter& p, int card);
// The framed court figure of a jack, queen or king (rank 11..13).
void paintCourt(QPainter& p, int rank, int suit);
// Back design 53..65; frame 0..3 matters for the animated designs 64 and 65.
void paintBack(QPainter& p, int design, int frame);

} // namespace quillan::card_art
