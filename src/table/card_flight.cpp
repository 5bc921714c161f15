#include "table/card_flight.h"

#include <QPainter>

#include "table/frame_pacer.h"
#include "table/pixel_copy.h"
#include "table/table_canvas.h"

namespace quillan {

void playCardFrames(TableCanvas& canvas, QPixmap& boardBuffer, const CardMovePlan& plan,
                    QSize cardSize, const CardPaint& drawCard, FramePacer& pacer) {
    QPixmap picBuffer =
        makeSurfacePixmap(cardSize, boardBuffer.devicePixelRatio(), Qt::transparent);
    for (const AnimationFrame& frame : plan.frames) {
        const QPoint at(frame.card.x, frame.card.y);
        copyPixels(picBuffer, QPoint(0, 0), boardBuffer, QRect(at, cardSize));
        {
            QPainter painter(&boardBuffer);
            drawCard(painter, at.x(), at.y());
        }
        const FrameRect& r = frame.shown;
        canvas.showFrame(boardBuffer, QRect(r.x, r.y, r.w, r.h));
        copyPixels(boardBuffer, at, picBuffer);
        pacer.frameDone();
    }
}

void landCard(TableCanvas& canvas, const QPixmap& finalPicture, QSize cardSize,
              const CardMovePlan& plan) {
    const QRect place(QPoint(plan.landing.x, plan.landing.y), cardSize);
    {
        QPainter painter(&canvas.windowImage());
        painter.drawPixmap(place, finalPicture);
    }
    canvas.endFrames();
    canvas.repaintNow(place);
}

} // namespace quillan
