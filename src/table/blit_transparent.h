#pragma once
// Colour-keyed copies: the picture of a card or mark laid over the table with one colour
// (white for the empty-place marks) letting the background show through.

#include <QPixmap>
#include <QRect>
#include <QRgb>

namespace quillan {

class CardLibrary;

// Copies the `sourceRect` part of `source` to `dest` at `destPos`: where a source pixel has
// the colour `key` the pixel of `background` at that place is used instead. `dest` and
// `background` may be the same picture. Rectangles are in logical pixels.
void BlitTransparent(QPixmap& dest, const QPixmap& background, const QPixmap& source,
                     const QRect& sourceRect, QPoint destPos, QRgb key);

inline constexpr QRgb kMarkKeyColour = 0xFFFFFF;
inline constexpr int kEmptyPlaceDesign = 53;

// Paints the empty-place mark (back design 53) into `cardPicture` (one card in size,
// picAnimate), ready to be laid with stampEmptyPlaceMark.
void paintEmptyPlaceMark(QPixmap& cardPicture, CardLibrary& cards);

// Lays the mark held in `cardPicture` onto `target` at `at`, white letting `target` show.
void stampEmptyPlaceMark(QPixmap& target, QPoint at, const QPixmap& cardPicture);

} // namespace quillan
