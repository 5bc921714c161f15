#include "table/table_canvas.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "table/pixel_copy.h"

namespace quillan {

TableCanvas::TableCanvas(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    resizeTable(QSize(1, 1), devicePixelRatioF());
}

void TableCanvas::resizeTable(QSize clientSize, qreal dpr) {
    tableSize_ = clientSize;
    windowImage_ = makeSurfacePixmap(clientSize, dpr, palette().color(QPalette::Window));
    frame_ = QPixmap();
    frameRect_ = QRect();
    setFixedSize(clientSize);
}

void TableCanvas::setSurfaces(std::vector<const Surface*> inOrder) {
    surfaces_ = std::move(inOrder);
}

void TableCanvas::showFrame(const QPixmap& source, const QRect& shown) {
    const QRect previous = frameRect_;
    if (frame_.isNull() || logicalSize(frame_) != shown.size() ||
        frame_.devicePixelRatio() != source.devicePixelRatio()) {
        frame_ = makeSurfacePixmap(shown.size(), source.devicePixelRatio(), Qt::transparent);
    }
    copyPixels(frame_, QPoint(0, 0), source, shown);
    frameRect_ = shown;
    repaintNow(previous.united(shown));
}

void TableCanvas::endFrames() {
    const QRect previous = frameRect_;
    frameRect_ = QRect();
    if (!previous.isNull()) {
        repaintNow(previous);
    }
}

void TableCanvas::repaintNow(const QRect& area) {
    if (isVisible()) {
        repaint(area.isEmpty() ? rect() : area);
    }
}

QPixmap TableCanvas::composed() const {
    QPixmap out = makeSurfacePixmap(tableSize_, windowImage_.devicePixelRatio());
    QPainter painter(&out);
    paintTable(painter, QRect(QPoint(0, 0), tableSize_));
    return out;
}

void TableCanvas::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    paintTable(painter, event->rect());
}

namespace {

int buttonCode(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

} // namespace

void TableCanvas::sendMouse(TableMouseEvent::Kind kind, const QMouseEvent* event) {
    if (!onMouse || (dropsClicks_ && kind != TableMouseEvent::Kind::Move)) {
        return;
    }
    TableMouseEvent e;
    e.kind = kind;
    e.button = buttonCode(event->button());
    e.buttonDown = event->buttons() != Qt::NoButton;
    e.pos = event->position();
    onMouse(e);
}

void TableCanvas::mousePressEvent(QMouseEvent* event) {
    sendMouse(TableMouseEvent::Kind::Press, event);
}

void TableCanvas::mouseMoveEvent(QMouseEvent* event) {
    sendMouse(TableMouseEvent::Kind::Move, event);
}

void TableCanvas::mouseReleaseEvent(QMouseEvent* event) {
    sendMouse(TableMouseEvent::Kind::Release, event);
}

void TableCanvas::mouseDoubleClickEvent(QMouseEvent* event) {
    sendMouse(TableMouseEvent::Kind::DoubleClick, event);
}

void TableCanvas::paintTable(QPainter& painter, const QRect& clip) const {
    painter.setClipRect(clip);
    const qreal dpr = windowImage_.devicePixelRatio();
    painter.drawPixmap(QRectF(clip), windowImage_,
                       QRectF(QPointF(clip.topLeft()) * dpr, QSizeF(clip.size()) * dpr));
    if (!frameRect_.isNull()) {
        painter.drawPixmap(frameRect_.topLeft(), frame_);
    }
    for (const Surface* s : surfaces_) {
        if (s != nullptr && s->isVisible() && s->rect().intersects(clip)) {
            painter.drawPixmap(s->pos(), s->picture());
        }
    }
}

} // namespace quillan
