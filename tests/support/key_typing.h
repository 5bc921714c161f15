#pragma once
// A key typed on the main window the way the window system delivers it: the shortcut check
// first, then the press to the widget with the keyboard focus, then the release. `stamp` is
// the window system's time stamp (0: none).

#include <QApplication>
#include <QKeyEvent>

#include "app/frm_main.h"

namespace quillan::test {

struct TypedKey {
    bool overrideTaken = false; // the window kept the key from the menu shortcuts
};

inline TypedKey typeKey(FrmMain& w, int key, ulong stamp = 0,
                        Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = w.focusWidget() != nullptr ? w.focusWidget() : &w;
    TypedKey typed;
    QKeyEvent check(QEvent::ShortcutOverride, key, modifiers);
    check.setTimestamp(stamp);
    check.ignore();
    QApplication::sendEvent(target, &check);
    typed.overrideTaken = check.isAccepted();
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    press.setTimestamp(stamp);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers);
    release.setTimestamp(stamp);
    QApplication::sendEvent(target, &release);
    return typed;
}

inline void typeKeys(FrmMain& w, std::initializer_list<int> keys) {
    for (const int key : keys) {
        typeKey(w, key);
    }
}

} // namespace quillan::test
