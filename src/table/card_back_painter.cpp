#include "table/card_back_painter.h"

#include "platform/card_library.h"

namespace quillan {

CardBackPainter::CardBackPainter(CardLibrary& cards, int32 design, const QPixmap* customBack,
                                 QSize cardSize)
    : cards_(&cards), design_(design),
      custom_(customBack != nullptr && !customBack->isNull() ? customBack : nullptr),
      cardSize_(cardSize) {}

void CardBackPainter::draw(QPainter& target, int x, int y) const {
    if (custom_ != nullptr) {
        target.drawPixmap(QRect(QPoint(x, y), cardSize_), *custom_);
        return;
    }
    cards_->cdtDraw(target, x, y, design_, CardLibrary::kModeBack);
}

} // namespace quillan
