// The Statistics window as it first opens: axes with nothing to show read a plain range of
// whole numbers, every chart title shows whole, and the window opens at a size the screen
// holds, beside or centred on the main window.
#include <QAction>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QMenu>
#include <QScreen>
#include <QTabWidget>
#include <QTextDocument>
#include <QValueAxis>
#include <algorithm>

#include "stats/frm_statistics.h"
#include "stats/statistics_recorder.h"
#include "support/data_home.h"
#include "support/rummy_window_fixture.h"

using namespace quillan;

namespace {

class StatisticsWindow : public quillan::test::RummyWindowTest {
  protected:
    FrmStatistics* open(FrmMain& w) {
        w.statistics->showWindow(&w);
        auto* s = w.findChild<FrmStatistics*>("frmStatistics");
        if (s != nullptr) {
            // Each page laid out as the player sees it.
            for (QTabWidget* tabs : s->findChildren<QTabWidget*>()) {
                for (int i = 0; i < tabs->count(); ++i) {
                    tabs->setCurrentIndex(i);
                    QCoreApplication::processEvents();
                }
            }
        }
        return s;
    }
    static QValueAxis* valueAxis(const QChartView* view, Qt::Alignment side) {
        const QList<QAbstractAxis*> axes =
            view->chart()->axes(side == Qt::AlignLeft ? Qt::Vertical : Qt::Horizontal);
        return axes.isEmpty() ? nullptr : qobject_cast<QValueAxis*>(axes.first());
    }
    quillan::test::DataHome home;
};

} // namespace

TEST_F(StatisticsWindow, AxesWithNothingToShowReadAPlainRangeOfWholeNumbers) {
    FrmMain& w = game();
    FrmStatistics* s = open(w);
    ASSERT_NE(s, nullptr);
    for (const char* name : {"rummyBanks", "pokerMeter"}) {
        const auto* view = s->findChild<QChartView*>(name);
        ASSERT_NE(view, nullptr) << name;
        const QValueAxis* y = valueAxis(view, Qt::AlignLeft);
        ASSERT_NE(y, nullptr) << name;
        EXPECT_EQ(y->min(), 0.0) << name;
        EXPECT_EQ(y->max(), 10.0) << name;
        // Ticks every 2: 0, 2, ... 10, each a whole number under the "%d" labels.
        EXPECT_EQ(y->tickType(), QValueAxis::TicksDynamic) << name;
        EXPECT_EQ(y->tickInterval(), 2.0) << name;
        EXPECT_EQ(y->tickAnchor(), 0.0) << name;
    }
}

TEST_F(StatisticsWindow, EveryChartTitleShowsWhole) {
    FrmMain& w = game();
    FrmStatistics* s = open(w);
    ASSERT_NE(s, nullptr);
    for (QChartView* view : s->findChildren<QChartView*>()) {
        QTextDocument title;
        title.setHtml(view->chart()->title());
        const QString whole = title.toPlainText();
        QStringList shown;
        for (QGraphicsItem* item : view->scene()->items()) {
            if (const auto* text = dynamic_cast<QGraphicsTextItem*>(item);
                text && text->isVisible()) {
                shown << text->toPlainText();
            }
        }
        EXPECT_TRUE(shown.contains(whole))
            << view->objectName().toStdString() << ": " << shown.join(" | ").toStdString();
    }
}

TEST_F(StatisticsWindow, OpensOnTheScreenBesideOrCentredOnTheMainWindow) {
    FrmMain& w = game();
    w.show();
    FrmStatistics* s = open(w);
    ASSERT_NE(s, nullptr);
    const QRect room = w.screen()->availableGeometry();
    const QRect frame = s->frameGeometry();
    EXPECT_TRUE(room.contains(frame))
        << frame.x() << "," << frame.y() << " " << frame.width() << "x" << frame.height();
    const QRect main = w.frameGeometry();
    // No room beside a table as large as this screen: centred on it as far as the screen
    // lets the window go.
    const bool beside = frame.left() > main.right() || frame.right() < main.left();
    const auto centredAlong = [](int centre, int length, int areaStart, int areaLength) {
        return std::clamp(centre, areaStart + length / 2, areaStart + areaLength - length / 2);
    };
    const QPoint centred(centredAlong(main.center().x(), frame.width(), room.x(), room.width()),
                         centredAlong(main.center().y(), frame.height(), room.y(), room.height()));
    EXPECT_TRUE(beside || (frame.center() - centred).manhattanLength() <= 4)
        << "main " << main.x() << "," << main.y() << " " << main.width() << "x" << main.height();
    EXPECT_LE(frame.width(), room.width());
    EXPECT_LE(frame.height(), room.height());
}
