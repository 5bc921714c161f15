// Mouse events on the table, sent to the place they happened on: the deal pile, the reject
// pile, the player's hand, the drawn card, or the bare table. A press and a release on the
// same place make a click; a double-click on the place just pressed makes no second click.
#include <QLabel>

#include "app/frm_main.h"
#include "table/table_canvas.h"

namespace quillan {

namespace {

struct Hit {
    TablePlace place = TablePlace::Table;
    int index = 0;
};

bool inside(const Surface& s, QPointF at) {
    return s.isVisible() && QRectF(s.rect()).contains(at);
}

Hit placeAt(const FrmMain& w, QPointF at) {
    const TableState& t = w.table;
    if (isSet(w.settings.isPoker)) {
        for (int k = 0; k < 4; ++k) {
            if (inside(t.picDeal[static_cast<size_t>(k)], at)) {
                return {TablePlace::Deck, k};
            }
        }
        for (const Surface& card : t.picPoker) {
            if (inside(card, at)) {
                return {TablePlace::Other, 0};
            }
        }
        return {};
    }
    if (inside(t.picPlayerDraw, at)) {
        return {TablePlace::PlayerDraw, 0};
    }
    if (inside(t.picReject, at)) {
        return {TablePlace::Reject, 0};
    }
    for (int k = 0; k < 4; ++k) {
        if (inside(t.picDeal[static_cast<size_t>(k)], at)) {
            return {TablePlace::Deck, k};
        }
    }
    // A stock down to its last two cards shows no pile picture after a card move, yet a
    // click on its place still asks the tie question.
    if (isSet(w.turn.stockExhausted) && QRectF(t.picDeal[0].rect()).contains(at)) {
        return {TablePlace::Deck, 0};
    }
    if (inside(t.picPlayerHand, at)) {
        return {TablePlace::PlayerHand, 0};
    }
    for (const Surface* s : {&t.picComputerHand, &t.picComputerDraw}) {
        if (inside(*s, at)) {
            return {TablePlace::Other, 0};
        }
    }
    return {};
}

double handX(const FrmMain& w, QPointF at) {
    return at.x() - w.table.picPlayerHand.pos().x();
}

void onPress(FrmMain& w, const TableMouseEvent& e, const Hit& hit) {
    switch (hit.place) {
    case TablePlace::Table:
        w.Form_MouseDown(e.button, w.ui.table->mapToGlobal(e.pos.toPoint()));
        break;
    case TablePlace::PlayerHand:
        w.picPlayerHand_MouseDown(e.button, handX(w, e.pos));
        break;
    case TablePlace::PlayerDraw:
        w.picPlayerDraw_MouseDown(e.button);
        break;
    default:
        break;
    }
}

void click(FrmMain& w, const Hit& hit) {
    switch (hit.place) {
    case TablePlace::Deck:
        if (isSet(w.settings.isPoker)) {
            w.picDeal_Click(hit.index);
        } else {
            w.picDealRummy_Click();
        }
        break;
    case TablePlace::Reject:
        w.picReject_Click();
        break;
    case TablePlace::PlayerHand:
        w.picPlayerHand_Click();
        break;
    case TablePlace::PlayerDraw:
        w.picPlayerDraw_Click();
        break;
    default:
        break;
    }
}

void onRelease(FrmMain& w, const TableMouseEvent& e, TablePlace pressed, bool clicks) {
    if (pressed == TablePlace::Table) {
        w.Form_MouseUp();
        return;
    }
    if (pressed == TablePlace::PlayerHand) {
        w.picPlayerHand_MouseUp(handX(w, e.pos));
    }
    const Hit hit = placeAt(w, e.pos);
    if (clicks && hit.place == pressed) {
        click(w, hit);
    }
}

void pointerMoved(FrmMain& w, const TableMouseEvent& e) {
    const TablePlace pressed = w.pointer.pressedOn;
    const TablePlace under =
        e.buttonDown && pressed != TablePlace::None ? pressed : placeAt(w, e.pos).place;
    if (under == TablePlace::PlayerHand) {
        w.picPlayerHand_MouseMove(handX(w, e.pos));
    } else if (under == TablePlace::Table) {
        w.Form_MouseMove(static_cast<int>(e.pos.y()));
    }
}

} // namespace

void FrmMain::tableMouse(const TableMouseEvent& e) {
    trap("tableMouse", [&] {
        switch (e.kind) {
        case TableMouseEvent::Kind::Press:
        case TableMouseEvent::Kind::DoubleClick: {
            const Hit hit = placeAt(*this, e.pos);
            const bool again =
                e.kind == TableMouseEvent::Kind::DoubleClick && hit.place == pointer.lastPressedOn;
            pointer.pressedOn = hit.place;
            pointer.lastPressedOn = hit.place;
            pointer.clickAllowed = !again;
            if (again && hit.place == TablePlace::Table) {
                Form_DblClick();
            } else if (!again) {
                onPress(*this, e, hit);
            }
            break;
        }
        case TableMouseEvent::Kind::Release: {
            // The handlers may run a whole computer turn: the press is forgotten first.
            const TablePlace pressed = pointer.pressedOn;
            const bool clicks = pointer.clickAllowed;
            pointer.pressedOn = TablePlace::None;
            if (pressed != TablePlace::None) {
                onRelease(*this, e, pressed, clicks);
            }
            break;
        }
        case TableMouseEvent::Kind::Move:
            pointerMoved(*this, e);
            break;
        }
    });
}

} // namespace quillan
