#include "table/blit_transparent.h"

#include <QImage>
#include <QPainter>

#include "platform/card_library.h"

namespace quillan {

namespace {

QImage areaOf(const QPixmap& pixmap, const QRect& logical, qreal dpr) {
    const QRect device(QPoint(qRound(logical.x() * dpr), qRound(logical.y() * dpr)),
                       QSize(qRound(logical.width() * dpr), qRound(logical.height() * dpr)));
    QImage image = pixmap.copy(device).toImage().convertToFormat(QImage::Format_ARGB32);
    image.setDevicePixelRatio(dpr);
    return image;
}

// Makes every pixel of colour `key` fully transparent.
void clearKeyColour(QImage& image, QRgb key) {
    const QRgb wanted = key & 0xFFFFFFu;
    for (int row = 0; row < image.height(); ++row) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(row));
        for (int col = 0; col < image.width(); ++col) {
            if (qAlpha(line[col]) == 255 && (line[col] & 0xFFFFFFu) == wanted) {
                line[col] = 0;
            }
        }
    }
}

} // namespace

void BlitTransparent(QPixmap& dest, const QPixmap& background, const QPixmap& source,
                     const QRect& sourceRect, QPoint destPos, QRgb key) {
    if (dest.isNull() || source.isNull() || sourceRect.isEmpty()) {
        return;
    }
    const qreal dpr = dest.devicePixelRatio();
    QImage result = areaOf(background, QRect(destPos, sourceRect.size()), dpr);
    QImage opaque = areaOf(source, sourceRect, source.devicePixelRatio());
    clearKeyColour(opaque, key);
    {
        QPainter work(&result);
        work.drawImage(QRectF(QPointF(0, 0), QSizeF(sourceRect.size())), opaque);
    }
    QPainter painter(&dest);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QRectF(QPointF(destPos), QSizeF(sourceRect.size())), result);
}

void paintEmptyPlaceMark(QPixmap& cardPicture, CardLibrary& cards) {
    QPainter painter(&cardPicture);
    cards.cdtDraw(painter, 0, 0, kEmptyPlaceDesign, CardLibrary::kModeBack);
}

void stampEmptyPlaceMark(QPixmap& target, QPoint at, const QPixmap& cardPicture) {
    const QRect whole(QPoint(0, 0), cardPicture.deviceIndependentSize().toSize());
    BlitTransparent(target, target, cardPicture, whole, at, kMarkKeyColour);
}

} // namespace quillan
