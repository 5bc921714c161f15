#pragma once
// A Gin Rummy hand on the real window, opened by the player, with the cards of both hands,
// the top of the stock and the reject pile set by the test, and mouse events sent to the
// table's places the way the canvas sends them.

#include <QLabel>
#include <string>

#include "rules/rummy_test_cards.h"
#include "support/table_window_fixture.h"

namespace quillan::test {

class RummyWindowTest : public TableWindowTest {
  protected:
    FrmMain& game() {
        addPicture("vangogh.jpg", QSize(800, 600));
        for (const char* wav :
             {"deal", "drop", "pokerwin1", "wrong", "lost1", "lost2", "ohdear", "doh", "peek"}) {
            addFile(QStringLiteral("wavs/%1.wav").arg(wav));
        }
        platform.settings["prfAnimation"] = "False";
        platform.settings["prfQNAutoSort"] = "False";
        FrmMain& w = loadedRummy();
        platform.sounds.clear();
        return w;
    }

    static void setCards(Hand& hand, const std::string& text) {
        const auto list = cards(text);
        for (size_t i = 0; i < list.size(); ++i) {
            copyCard(hand[static_cast<long>(i)], list[i]);
        }
    }
    static void setRejectTop(FrmMain& w, const std::string& text) {
        copyCard(w.cards.rejectPile[w.cards.rejectPile.upperBound()], card(text));
    }
    static void setStockTop(FrmMain& w, const std::string& text) {
        copyCard(w.cards.stock[w.cards.stock.upperBound()], card(text));
    }
    // Both hands' lists as the deal's analysis would leave them for the new cards.
    static void analyseBoth(FrmMain& w) {
        w.analyseHand(w.cards.handplayer);
        w.turn.computerTurn = kTrue;
        w.analyseHand(w.cards.handComputer);
        w.turn.computerTurn = kFalse;
    }

    static void mouse(FrmMain& w, TableMouseEvent::Kind kind, QPointF at, int button = 1) {
        TableMouseEvent e;
        e.kind = kind;
        e.button = kind == TableMouseEvent::Kind::Move ? 0 : button;
        e.buttonDown = kind == TableMouseEvent::Kind::Press;
        e.pos = at;
        w.tableMouse(e);
    }
    static QPointF onHand(FrmMain& w, double x) {
        return QPointF(w.table.picPlayerHand.pos()) + QPointF(x, w.cards.handTop + 40);
    }
    static QPointF centreOf(const Surface& s) { return QRectF(s.rect()).center(); }
    static void clickAt(FrmMain& w, QPointF at, int button = 1) {
        mouse(w, TableMouseEvent::Kind::Move, at);
        mouse(w, TableMouseEvent::Kind::Press, at, button);
        mouse(w, TableMouseEvent::Kind::Release, at, button);
    }
    // Points at a card of the hand (it rises while a discard is due) and clicks it.
    static void clickCard(FrmMain& w, int slot, int button = 1) {
        clickAt(w, onHand(w, w.cards.handplayer[slot].x + 3), button);
    }
    static QString status(FrmMain& w) { return w.ui.lblStatus->text(); }
    static QString label(const QLabel* l) { return l->text(); }
};

} // namespace quillan::test
