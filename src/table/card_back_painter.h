#pragma once
// Paints the card back of a game: the custom back picture stretched into the card's place
// when the game uses one and it could be loaded, otherwise the chosen back design.

#include <QPainter>
#include <QPixmap>

#include "common/int16.h"

namespace quillan {

class CardLibrary;

class CardBackPainter {
  public:
    // `customBack` is picCustomBack when the game's custom-back flag is set, else null; a
    // null or empty picture falls back to `design`.
    CardBackPainter(CardLibrary& cards, int32 design, const QPixmap* customBack, QSize cardSize);

    void draw(QPainter& target, int x, int y) const;
    bool usesCustomPicture() const { return custom_ != nullptr; }

  private:
    CardLibrary* cards_;
    int32 design_;
    const QPixmap* custom_;
    QSize cardSize_;
};

} // namespace quillan
