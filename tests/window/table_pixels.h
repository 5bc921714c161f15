#pragma once
// Pixel helpers for the table tests: pictures as images, reference pictures painted by
// the test, and counting colours.

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <functional>

#include "table/pixel_copy.h"

namespace quillan::test {

inline QImage pixelsOf(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

inline QRgb pixelAt(const QPixmap& pixmap, int x, int y) {
    const QImage image = pixelsOf(pixmap);
    const qreal dpr = pixmap.devicePixelRatio();
    return image.pixel(qRound(x * dpr), qRound(y * dpr)) | 0xFF000000u;
}

// A picture of `size` at `dpr`, filled with `fill`, then painted by `paint`.
inline QPixmap referencePicture(QSize size, const QColor& fill,
                                const std::function<void(QPainter&)>& paint, qreal dpr = 1.0) {
    QPixmap pixmap = makeSurfacePixmap(size, dpr, fill);
    QPainter painter(&pixmap);
    paint(painter);
    return pixmap;
}

inline int countColour(const QPixmap& pixmap, QRgb colour) {
    const QImage image = pixelsOf(pixmap);
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if ((image.pixel(x, y) & 0xFFFFFFu) == (colour & 0xFFFFFFu)) {
                ++n;
            }
        }
    }
    return n;
}

} // namespace quillan::test
