#include "platform/card_library.h"

#include <QImage>
#include <QPaintDevice>
#include <cmath>

#include "platform/card_art.h"

namespace quillan {

bool CardLibrary::cdtInit(int32& width, int32& height) {
    width = kWidth;
    height = kHeight;
    return true;
}

void CardLibrary::cdtDraw(QPainter& target, int x, int y, int card, int mode, QRgb) {
    blit(target, x, y, card, mode, 0);
}

void CardLibrary::cdtAnimate(QPainter& target, int design, int x, int y, int frame) {
    if (design != 64 && design != 65) {
        return;
    }
    blit(target, x, y, design, kModeBack, frame);
}

void CardLibrary::cdtTerm() {
    cache_.clear();
}

bool CardLibrary::isValid(int card, int mode, int frame) {
    if (frame < 0 || frame >= card_art::kFrameCount) {
        return false;
    }
    switch (mode) {
    case kModeFace:
    case kModeHighlight:
        return card >= 0 && card < card_art::kFaceCount && frame == 0;
    case kModeBack:
        return card >= card_art::kFirstBack && card <= card_art::kLastBack;
    default:
        return false;
    }
}

QPixmap CardLibrary::picture(int card, int mode, int frame, qreal devicePixelRatio) {
    if (!isValid(card, mode, frame) || !std::isfinite(devicePixelRatio) ||
        devicePixelRatio <= 0.0 || devicePixelRatio > 8.0) {
        return {};
    }
    // Only the animated backs have frames of their own.
    if (mode == kModeBack && card != 64 && card != 65) {
        frame = 0;
    }
    const Key key{card, mode, frame, static_cast<int>(std::lround(devicePixelRatio * 100.0))};
    auto found = cache_.find(key);
    if (found == cache_.end()) {
        found = cache_.emplace(key, render(key, key.ratioPercent / 100.0)).first;
    }
    return found->second;
}

QPixmap CardLibrary::render(const Key& key, qreal devicePixelRatio) {
    QImage image(static_cast<int>(std::ceil(kWidth * devicePixelRatio)),
                 static_cast<int>(std::ceil(kHeight * devicePixelRatio)), QImage::Format_ARGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        if (key.mode == kModeBack) {
            card_art::paintBack(p, key.card, key.frame);
        } else {
            card_art::paintFace(p, key.card);
        }
    }
    if (key.mode == kModeHighlight) {
        image.invertPixels(QImage::InvertRgb);
    }
    return QPixmap::fromImage(image);
}

void CardLibrary::blit(QPainter& target, int x, int y, int card, int mode, int frame) {
    if (!target.isActive() || target.device() == nullptr) {
        return;
    }
    const QPixmap pixmap = picture(card, mode, frame, target.device()->devicePixelRatioF());
    if (!pixmap.isNull()) {
        target.drawPixmap(x, y, pixmap);
    }
}

} // namespace quillan
