#pragma once
// A main window opened in Video Poker, with helpers to deal a chosen hand, click the table
// as the player does, and follow the credit meter through every wait.

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <numeric>
#include <vector>

#include "support/table_window_fixture.h"

namespace quillan::test {

// Card value from rank (1 = ace .. 13 = king) and suit (0 clubs, 1 diamonds, 2 hearts,
// 3 spades).
constexpr int card(int rank, int suit) {
    return (rank - 1) * 4 + suit;
}

class PokerWindowTest : public TableWindowTest {
  protected:
    FrmMain& poker(bool showBestPlay) {
        platform.settings["prfShowPokerPlay"] = showBestPlay ? "True" : "False";
        platform.settings["prfSound"] = "True";
        addPicture("vpwood.jpg", QSize(700, 500));
        for (const char* wav :
             {"deal", "pokerwin1", "pokerwin2", "pokerwin3", "wrong", "wrong2", "wrong3"}) {
            addFile(QStringLiteral("wavs/%1.wav").arg(wav));
        }
        FrmMain& w = loaded();
        w.poker.pokerDrawPending = kFalse; // ready for the test's own deal
        platform.sounds.clear();
        return w;
    }

    // The random numbers that make the shuffle put `top` (card values) at deck positions
    // 0, 1, 2, ... : every swap brings the wanted card forward from further down.
    void scriptDeck(const std::vector<int>& top) {
        std::vector<int> wanted = top;
        for (int v = 0; v < 52; ++v) {
            if (std::find(top.begin(), top.end(), v) == top.end()) {
                wanted.push_back(v);
            }
        }
        std::vector<int> deck(52);
        std::iota(deck.begin(), deck.end(), 0);
        for (int i = 0; i < 52; ++i) {
            const auto at = std::find(deck.begin(), deck.end(), wanted[static_cast<size_t>(i)]);
            const auto pos = static_cast<int>(at - deck.begin());
            std::swap(deck[static_cast<size_t>(i)], deck[static_cast<size_t>(pos)]);
            platform.rndAnswers.push_back((static_cast<float>(pos) + 0.5f) / 52.0f);
        }
    }

    void deal(FrmMain& w, const std::vector<int>& top) {
        scriptDeck(top);
        clickDeck(w);
    }

    QPoint centreOf(const Surface& s) const { return s.rect().center(); }
    // A mouse press on the table, delivered as the window system delivers it.
    static void press(FrmMain& w, QPoint at, Qt::MouseButton button,
                      QEvent::Type type = QEvent::MouseButtonPress) {
        QMouseEvent event(type, QPointF(at), QPointF(w.ui.table->mapToGlobal(at)), button, button,
                          Qt::NoModifier);
        QApplication::sendEvent(w.ui.table, &event);
    }
    void clickDeck(FrmMain& w) { press(w, centreOf(w.table.picDeal[0]), Qt::LeftButton); }
    void clickCard(FrmMain& w, int i, Qt::MouseButton button = Qt::LeftButton) {
        press(w, centreOf(w.table.picPoker[size_t(i)]), button);
    }
    void hold(FrmMain& w, std::initializer_list<int> cards) {
        for (const int i : cards) {
            clickCard(w, i);
        }
    }

    static QString meter(FrmMain& w) { return w.ui.pklblWinnings->text(); }
    static QColor labelBack(FrmMain& w, int index) {
        return w.table.pkLabel[size_t(index)]->palette().color(QPalette::Window);
    }
    static QColor labelText(FrmMain& w, int index) {
        return w.table.pkLabel[size_t(index)]->palette().color(QPalette::WindowText);
    }
    QStringList soundNames() const {
        QStringList names;
        for (const QString& path : platform.sounds) {
            names << path.section('/', -1).section('\\', -1);
        }
        return names;
    }
};

} // namespace quillan::test
