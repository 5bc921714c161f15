#pragma once
// Table background pictures: loading one at its pixel ratio, and painting it.

#include <QPainter>
#include <QPixmap>
#include <QRect>
#include <QString>

namespace quillan {

// Loads the picture file at `path` into `picture`, which keeps its old picture when the file
// cannot be read. A picture the program drew at twice its size (see picture_ratio_rules.h)
// gets that device pixel ratio, so its logical size is half its pixels; any other picture is
// one logical pixel per pixel.
bool loadBackgroundPicture(const QString& path, QPixmap& picture);

// Paints the `area` (logical pixels) of `picture` at the same place of `painter`, smoothly
// scaled to the painter's device.
void paintBackground(QPainter& painter, const QPixmap& picture, const QRect& area);
void paintBackground(QPainter& painter, const QPixmap& picture);

} // namespace quillan
