#pragma once
// The table widget. It paints, in this order: the persistent window image (background,
// border strips, empty-place marks and everything drawn "on the window"), the frame of a
// card in flight, and the visible surfaces in the order given. Surfaces lie above a card
// in flight, as child pictures do, so a hand strip shown on top of a card sliding out of the
// hand stays on top of it.

#include <QPixmap>
#include <QRect>
#include <QWidget>
#include <functional>
#include <vector>

#include "table/surface.h"

namespace quillan {

// A mouse event on the table, with the button as the program numbers it (1 primary,
// 2 secondary, 4 middle; 0 for a move) and the pointer in table pixels.
struct TableMouseEvent {
    enum class Kind { Press, Move, Release, DoubleClick };
    Kind kind = Kind::Move;
    int button = 0;
    bool buttonDown = false; // any button held (moves)
    QPointF pos;
};

class TableCanvas : public QWidget {
  public:
    explicit TableCanvas(QWidget* parent = nullptr);

    // Makes the window image `clientSize` at `dpr`, filled with the window colour, and
    // sizes the widget to it. Any frame in flight is dropped.
    void resizeTable(QSize clientSize, qreal dpr);
    QPixmap& windowImage() { return windowImage_; }
    const QPixmap& windowImage() const { return windowImage_; }
    QSize tableSize() const { return tableSize_; }

    // The surfaces painted over the window image, bottom first. Not owned; they must live
    // as long as the canvas or until replaced.
    void setSurfaces(std::vector<const Surface*> inOrder);

    // Shows the rectangle `shown` of `source` (the back buffer) at the same place, above
    // the window image, and repaints that area synchronously (no events are processed).
    void showFrame(const QPixmap& source, const QRect& shown);
    // Removes the frame in flight and repaints where it was.
    void endFrames();
    bool hasFrame() const { return !frameRect_.isNull(); }

    // Repaints at once (the whole table when `area` is empty).
    void repaintNow(const QRect& area = {});

    // What the table shows, composed offscreen at the window image's ratio.
    QPixmap composed() const;

    // Receives every mouse event on the table (moves also while no button is down).
    std::function<void(const TableMouseEvent&)> onMouse;
    // While set, button presses, releases and double-clicks are dropped; moves still pass.
    void setDropsClicks(bool drop) { dropsClicks_ = drop; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    void paintTable(QPainter& painter, const QRect& clip) const;
    void sendMouse(TableMouseEvent::Kind kind, const QMouseEvent* event);

    QPixmap windowImage_;
    QSize tableSize_;
    std::vector<const Surface*> surfaces_;
    QPixmap frame_;
    QRect frameRect_;
    bool dropsClicks_ = false;
};

} // namespace quillan
