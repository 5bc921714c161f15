#pragma once
// Block copies between drawing surfaces in logical pixels. Every surface of the table is a
// QPixmap made for a device pixel ratio; these helpers translate logical rectangles to the
// pixmaps' own pixels so that copies stay exact on high-density screens.

#include <QColor>
#include <QPixmap>
#include <QRect>

namespace quillan {

// A pixmap of the given logical size at the given device pixel ratio, filled with `fill`.
QPixmap makeSurfacePixmap(QSize logicalSize, qreal dpr, const QColor& fill = Qt::white);

// Logical size of a pixmap (its pixels divided by its device pixel ratio).
QSize logicalSize(const QPixmap& pixmap);

// Copies the logical rectangle `from` of `source` into `dest` with its top-left corner at
// `to`, replacing the pixels there (transparency included). Parts outside `source` copy as
// transparent.
void copyPixels(QPixmap& dest, QPoint to, const QPixmap& source, const QRect& from);

// Copies the whole of `source` into `dest` at `to`.
void copyPixels(QPixmap& dest, QPoint to, const QPixmap& source);

} // namespace quillan
