#pragma once
// The frame loop and landing of AnimateCard. The caller prepares the table (hands and
// piles copied into the window image and the back buffer, surfaces hidden) and plans the
// move with planCardMove; these draw each frame over the back buffer and show it on the
// canvas synchronously, without letting input in, and put the final picture in place.

#include <QPixmap>
#include <functional>

#include "table/card_animation_rules.h"

class QPainter;

namespace quillan {

class FramePacer;
class TableCanvas;

// Paints the moving card with its top-left corner at (x, y).
using CardPaint = std::function<void(QPainter&, int x, int y)>;

// For each planned frame: saves the card-sized area of `boardBuffer` under the card,
// paints the card there, shows the frame's rectangle of `boardBuffer` on the canvas,
// restores the saved area and waits for the pacer. The back buffer is clean afterwards.
void playCardFrames(TableCanvas& canvas, QPixmap& boardBuffer, const CardMovePlan& plan,
                    QSize cardSize, const CardPaint& drawCard, FramePacer& pacer);

// The landing, also with animation off: `finalPicture` (picAnimate, or the custom back
// stretched to `cardSize`) goes into the window image at the plan's landing point; the
// frame in flight is removed and the area repainted.
void landCard(TableCanvas& canvas, const QPixmap& finalPicture, QSize cardSize,
              const CardMovePlan& plan);

} // namespace quillan
