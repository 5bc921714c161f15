// Holding Video Poker cards, and the mouse on the poker table: a click on the deck deals or
// draws, a click on a card holds it while a dealt hand waits for its draw.
#include <QEvent>
#include <QFrame>
#include <QMouseEvent>

#include "app/frm_main.h"
#include "table/table_canvas.h"

namespace quillan {

namespace {

// Routes presses on the deck and the five cards to the window while Video Poker is on the
// table; every other event goes on to the table as usual.
class PokerClicks : public QObject {
  public:
    PokerClicks(FrmMain& window, QObject* parent) : QObject(parent), window_(window) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!isSet(window_.settings.isPoker)) {
            return QObject::eventFilter(watched, event);
        }
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            return routeMouse(mouse->position().toPoint(), mouse->button(),
                              event->type() == QEvent::MouseButtonDblClick);
        }
        case QEvent::ContextMenu: // a right click on a card draws instead
            return pokerCardAt(static_cast<QContextMenuEvent*>(event)->pos()) >= 0;
        default:
            return QObject::eventFilter(watched, event);
        }
    }

  private:
    int pokerCardAt(QPoint at) const {
        for (int i = 0; i < kPokerCards; ++i) {
            const Surface& card = window_.table.picPoker[static_cast<std::size_t>(i)];
            if (card.isVisible() && card.rect().contains(at)) {
                return i;
            }
        }
        return -1;
    }

    bool onDeck(QPoint at) const {
        for (const Surface& pile : window_.table.picDeal) {
            if (pile.isVisible() && pile.rect().contains(at)) {
                return true;
            }
        }
        return false;
    }

    bool routeMouse(QPoint at, Qt::MouseButton button, bool doubleClick) {
        const int card = pokerCardAt(at);
        if (card >= 0) {
            if (doubleClick && button == Qt::LeftButton) {
                window_.picPoker_DblClick(card);
            } else if (!doubleClick || button != Qt::LeftButton) {
                window_.picPoker_MouseDown(card, button);
            }
            return true;
        }
        if (onDeck(at) && button == Qt::LeftButton) {
            if (!doubleClick) {
                window_.picDeal_Click(0);
            }
            return true;
        }
        return false;
    }

    FrmMain& window_;
};

constexpr const char* kPokerClicksName = "pokerClicks";

} // namespace

void FrmMain::installPokerClicks() {
    auto* clicks = new PokerClicks(*this, ui.table);
    clicks->setObjectName(QString::fromLatin1(kPokerClicksName));
    ui.table->installEventFilter(clicks);
}

// Deleting the filter also takes it off the table.
void FrmMain::removePokerClicks() {
    delete ui.table->findChild<QObject*>(QString::fromLatin1(kPokerClicksName),
                                         Qt::FindDirectChildrenOnly);
}

void FrmMain::picPoker_MouseDown(int index, Qt::MouseButton button) {
    trap("picPoker_MouseDown", [&] {
        if (button == Qt::LeftButton && isSet(poker.pokerDrawPending)) {
            togglePokerHold(index);
        } else {
            picDeal_Click(0);
        }
    });
}

// The second click of a double click arrives here rather than as a second press.
void FrmMain::picPoker_DblClick(int index) {
    trap("picPoker_DblClick", [&] {
        if (isSet(poker.pokerDrawPending)) {
            togglePokerHold(index);
        }
    });
}

void FrmMain::togglePokerHold(int index) {
    const bool held = !table.Shape1.at(static_cast<std::size_t>(index))->isHidden();
    showHoldOutline(index, !held);
    poker.pokerHeld[index] = toFlag(!held);
}

void FrmMain::showHoldOutline(int index, bool shown) {
    const auto n = static_cast<std::size_t>(index);
    for (QFrame* shape : {table.Shape1.at(n), table.Shape2.at(n), table.Shape3.at(n)}) {
        shape->setVisible(shown);
    }
}

} // namespace quillan
