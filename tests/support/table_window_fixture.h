#pragma once
// A main window whose program folder holds a background picture of a known size, so the
// table's places can be checked against hand-worked positions.

#include <QLabel>
#include <QPainter>
#include <QPixmap>

#include "support/window_fixture.h"
#include "table/table_canvas.h"

namespace quillan::test {

class TableWindowTest : public WindowTest {
  protected:
    // A plain picture saved under pics/ (PNG data; the name keeps the game's own).
    void addPicture(const QString& name, QSize size, const QColor& colour = QColor(30, 90, 60)) {
        QDir().mkpath(folder.path() + "/pics");
        QPixmap picture(size);
        picture.fill(colour);
        ASSERT_TRUE(picture.save(folder.path() + "/pics/" + name, "PNG"));
    }

    FrmMain& loadedRummy() {
        platform.settings["isPoker"] = "False";
        return loaded();
    }

    static QRect rectOf(const Surface& s) { return s.rect(); }
    static QRgb pixel(const QPixmap& p, int x, int y) {
        return p.toImage().pixel(qRound(x * p.devicePixelRatio()),
                                 qRound(y * p.devicePixelRatio())) |
               0xFF000000u;
    }
};

} // namespace quillan::test
