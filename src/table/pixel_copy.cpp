#include "table/pixel_copy.h"

#include <QPainter>

namespace quillan {

QPixmap makeSurfacePixmap(QSize logicalSize, qreal dpr, const QColor& fill) {
    const QSize device = (QSizeF(logicalSize.expandedTo(QSize(1, 1))) * dpr).toSize();
    QPixmap pixmap(device);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(fill);
    return pixmap;
}

QSize logicalSize(const QPixmap& pixmap) {
    return pixmap.deviceIndependentSize().toSize();
}

void copyPixels(QPixmap& dest, QPoint to, const QPixmap& source, const QRect& from) {
    if (dest.isNull() || source.isNull() || from.isEmpty()) {
        return;
    }
    const qreal sourceDpr = source.devicePixelRatio();
    const QRectF sourcePixels(QPointF(from.topLeft()) * sourceDpr, QSizeF(from.size()) * sourceDpr);
    QPainter painter(&dest);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(QRect(to, from.size()), Qt::transparent);
    painter.drawPixmap(QRectF(to, QSizeF(from.size())), source, sourcePixels);
}

void copyPixels(QPixmap& dest, QPoint to, const QPixmap& source) {
    copyPixels(dest, to, source, QRect(QPoint(0, 0), logicalSize(source)));
}

} // namespace quillan
