#include "table/background_picture.h"

#include <QFile>

#include "table/picture_ratio_rules.h"
#include "table/pixel_copy.h"

namespace quillan {

namespace {

int markedRatioOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return 1;
    }
    const QByteArray head = file.read(static_cast<qint64>(kPictureHeadBytes));
    return markedPictureRatio({reinterpret_cast<const unsigned char*>(head.constData()),
                               static_cast<std::size_t>(head.size())});
}

} // namespace

bool loadBackgroundPicture(const QString& path, QPixmap& picture) {
    QPixmap loaded;
    if (!loaded.load(path)) {
        return false;
    }
    loaded.setDevicePixelRatio(pictureRatio(markedRatioOf(path), loaded.width(), loaded.height()));
    picture = loaded;
    return true;
}

void paintBackground(QPainter& painter, const QPixmap& picture, const QRect& area) {
    if (picture.isNull() || area.isEmpty()) {
        return;
    }
    const qreal ratio = picture.devicePixelRatio();
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(QRectF(area), picture,
                       QRectF(QPointF(area.topLeft()) * ratio, QSizeF(area.size()) * ratio));
    painter.restore();
}

void paintBackground(QPainter& painter, const QPixmap& picture) {
    paintBackground(painter, picture, QRect(QPoint(0, 0), logicalSize(picture)));
}

} // namespace quillan
