#include "table/surface.h"

#include "table/pixel_copy.h"

namespace quillan {

void Surface::create(QSize size, qreal dpr, const QColor& fill) {
    size_ = size;
    dpr_ = dpr;
    picture_ = makeSurfacePixmap(size, dpr, fill);
}

void Surface::setGeometry(const PixelRect& r) {
    pos_ = QPoint(r.x, r.y);
    const QSize wanted(r.w, r.h);
    if (wanted != size_ || picture_.isNull()) {
        create(wanted, dpr_);
    }
}

void Surface::copyUnderlying(const QPixmap& table) {
    copyPixels(picture_, QPoint(0, 0), table, rect());
}

void Surface::copyPictureOf(const Surface& other) {
    copyPixels(picture_, QPoint(0, 0), other.picture());
}

void Surface::paintOnto(QPixmap& target) const {
    copyPixels(target, pos_, picture_);
}

} // namespace quillan
