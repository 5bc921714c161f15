#include "platform/card_library.h"

// Temporary painter: plain white cards with their number, until the real one lands.
namespace quillan {

bool CardLibrary::cdtInit(int32& width, int32& height) {
    width = kWidth;
    height = kHeight;
    return true;
}

void CardLibrary::cdtDraw(QPainter& target, int x, int y, int card, int mode, QRgb) {
    target.fillRect(x, y, kWidth, kHeight, mode == kModeBack ? Qt::darkBlue : Qt::white);
    target.drawText(x + 4, y + 14, QString::number(card));
}

void CardLibrary::cdtAnimate(QPainter& target, int design, int x, int y, int) {
    cdtDraw(target, x, y, design, kModeBack);
}

void CardLibrary::cdtTerm() {}

} // namespace quillan
