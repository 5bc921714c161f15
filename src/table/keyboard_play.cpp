#include "table/keyboard_play.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPushButton>
#include <algorithm>

#include "app/frm_main.h"
#include "rummy/frm_main_rummy_helpers.h"
#include "table/table_canvas.h"

namespace quillan {

namespace {

bool isEnterKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
}

bool isPlayKey(int key) {
    switch (key) {
    case Qt::Key_1:
    case Qt::Key_2:
    case Qt::Key_3:
    case Qt::Key_4:
    case Qt::Key_5:
    case Qt::Key_D:
    case Qt::Key_R:
    case Qt::Key_K:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        return isEnterKey(key);
    }
}

bool deckShown(const FrmMain& w) {
    return std::any_of(w.table.picDeal.begin(), w.table.picDeal.end(),
                       [](const Surface& s) { return s.isVisible(); });
}

} // namespace

KeyboardPlay::KeyboardPlay(FrmMain& window)
    : QObject(&window), w_(window), hand_(window, window.ui.table) {
    w_.menus.mnuKnock->setShortcut(QKeySequence(Qt::Key_K)); // the menu shows its key
    qApp->installEventFilter(this);
}

bool KeyboardPlay::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Paint:
        if (watched == w_.ui.table) {
            tableRepainted();
        }
        return false;
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::KeyRelease:
        if (forThisWindow(watched)) {
            const auto* input = static_cast<QInputEvent*>(event);
            timing_.inputArrived(input->timestamp(), w_.platform().tickCount());
            if (event->type() == QEvent::MouseMove) {
                pointerMoved(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
            }
        }
        return false;
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
        return forThisWindow(watched) &&
               keyEvent(*static_cast<QKeyEvent*>(event), event->type() == QEvent::ShortcutOverride);
    default:
        return false;
    }
}

// Keys typed into a menu, a dialog or another window are theirs.
bool KeyboardPlay::forThisWindow(QObject* watched) const {
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || QApplication::activePopupWidget() != nullptr ||
        qobject_cast<const QMenuBar*>(widget) != nullptr) {
        return false;
    }
    return widget->window() == &w_;
}

bool KeyboardPlay::tableBusy() const {
    if (w_.ui.table->hasFrame()) {
        return true;
    }
    if (isSet(w_.settings.isPoker)) {
        return isSet(w_.poker.pokerBusy);
    }
    return rummyBusy(w_) || w_.handBeingPlayed();
}

// Returns true for the game's keys, which go no further (Space never presses a focused
// button, K never reaches the Knock item's shortcut while the table is busy).
bool KeyboardPlay::keyEvent(QKeyEvent& key, bool shortcutOverride) {
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    if (modifiers != Qt::NoModifier || !isPlayKey(key.key())) {
        return false;
    }
    key.accept();
    if (shortcutOverride) {
        return true; // the key press itself follows
    }
    const qint64 now = w_.platform().tickCount();
    timing_.inputArrived(key.timestamp(), now);
    if (acting_) {
        return true; // the last key's action let events run before it ended
    }
    if (tableBusy()) {
        timing_.busySeen(now);
        return true;
    }
    const bool arrow = key.key() == Qt::Key_Left || key.key() == Qt::Key_Right;
    if (timing_.pressedWhileBusy(key.timestamp()) || (key.isAutoRepeat() && !arrow)) {
        return true;
    }
    act(key.key());
    return true;
}

void KeyboardPlay::act(int key) {
    acting_ = true;
    w_.trap("KeyboardPlay", [&] {
        if (isSet(w_.settings.isPoker)) {
            pokerKey(key);
        } else {
            rummyKey(key);
        }
    });
    acting_ = false;
}

void KeyboardPlay::pokerKey(int key) {
    if (key >= Qt::Key_1 && key <= Qt::Key_5) {
        const int card = key - Qt::Key_1;
        if (isSet(w_.poker.pokerDrawPending) &&
            w_.table.picPoker[static_cast<std::size_t>(card)].isVisible()) {
            w_.picPoker_MouseDown(card, Qt::LeftButton);
        }
    } else if (isEnterKey(key) && deckShown(w_)) {
        w_.picDeal_Click(0);
    }
}

void KeyboardPlay::rummyKey(int key) {
    if (isEnterKey(key) && w_.ui.Frame1->isVisible()) {
        hand_.forget();
        w_.ui.cmdPlayAgain->click(); // the score panel's default button
        return;
    }
    switch (key) {
    case Qt::Key_D:
        if (deckShown(w_)) {
            hand_.forget();
            w_.picDealRummy_Click();
        }
        break;
    case Qt::Key_R:
        if (w_.table.picReject.isVisible()) {
            hand_.forget();
            w_.picReject_Click();
        }
        break;
    case Qt::Key_K:
        w_.menus.mnuKnock->trigger();
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
        hand_.step(key == Qt::Key_Left ? -1 : 1);
        break;
    case Qt::Key_Home:
    case Qt::Key_End:
        hand_.sendToEnd(key == Qt::Key_End);
        break;
    default:
        if (isEnterKey(key)) {
            hand_.discard();
        }
        break;
    }
}

// Every frame of a card in flight repaints the table: the moments the table is busy.
void KeyboardPlay::tableRepainted() {
    if (tableBusy()) {
        timing_.busySeen(w_.platform().tickCount());
        hand_.forget();
    }
    hand_.tableRepainted();
}

// The mouse takes over from the keyboard's choice.
void KeyboardPlay::pointerMoved(QPoint global) {
    if (global != pointer_) {
        pointer_ = global;
        hand_.forget();
    }
}

} // namespace quillan
