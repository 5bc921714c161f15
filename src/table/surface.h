#pragma once
// One drawing surface of the table (a hand, a pile, a card place, a strip): a persistent
// picture with a position on the table, a size and a visibility flag. What is painted into
// it stays until painted over. The picture is made at the device pixel ratio it is given,
// so cards painted into it stay crisp on high-density screens.

#include <QPixmap>
#include <QPoint>
#include <QRect>

#include "table/table_layout_rules.h"

namespace quillan {

class Surface {
  public:
    Surface() = default;

    // Gives the surface a new logical size at `dpr`; the picture is refilled with `fill`.
    void create(QSize size, qreal dpr, const QColor& fill = Qt::white);
    // Places the surface; a new size recreates the picture at the ratio of the last
    // create() (1.0 before any), so create a surface at the canvas's ratio first.
    void setGeometry(const PixelRect& r);
    void move(QPoint topLeft) { pos_ = topLeft; }

    QPoint pos() const { return pos_; }
    QSize size() const { return size_; }
    QRect rect() const { return {pos_, size_}; }
    qreal devicePixelRatio() const { return dpr_; }

    bool isVisible() const { return visible_; }
    void setVisible(bool visible) { visible_ = visible; }
    void show() { visible_ = true; }
    void hide() { visible_ = false; }

    QPixmap& picture() { return picture_; }
    const QPixmap& picture() const { return picture_; }

    // Copies what lies under this surface's place in `table` (same coordinates) into it.
    void copyUnderlying(const QPixmap& table);
    // Copies another surface's whole picture into this one at (0, 0).
    void copyPictureOf(const Surface& other);
    // Paints this picture into `target` at the surface's place.
    void paintOnto(QPixmap& target) const;

  private:
    QPixmap picture_;
    QPoint pos_;
    QSize size_;
    qreal dpr_ = 1.0;
    bool visible_ = false;
};

} // namespace quillan
