#include "app/play_out_stop.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace fenx {

PlayOutStop::PlayOutStop(Game& game, QObject* parent) : QObject(parent), game_(game) {
    QCoreApplication::instance()->installEventFilter(this);
}

bool PlayOutStop::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        return KeyEvent(event);
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
        return MouseEvent(event);
    default:
        return QObject::eventFilter(watched, event);
    }
}

bool PlayOutStop::KeyEvent(QEvent* event) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (event->type() == QEvent::KeyRelease) {
        if (key_ == key->key() && !key->isAutoRepeat()) {
            key_.reset();
        }
        return false;
    }
    // A key goes first to the shortcut check (ShortcutOverride), then as a
    // press: both belong to the press that stopped the play-out.
    const bool press = event->type() == QEvent::KeyPress;
    if (game_.PlayingOut()) {
        game_.StopPlayOut();
        key_ = key->key();
        keyPressDue_ = !press;
    } else if (key_ != key->key() || !(key->isAutoRepeat() || (press && keyPressDue_))) {
        return false;
    } else if (press && !key->isAutoRepeat()) {
        keyPressDue_ = false;
    }
    event->accept(); // an accepted shortcut check keeps the shortcut from running
    return true;
}

bool PlayOutStop::MouseEvent(QEvent* event) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (event->type() == QEvent::MouseButtonRelease) {
        if (button_ != static_cast<int>(mouse->button())) {
            return false;
        }
        button_.reset();
        return true;
    }
    if (!game_.PlayingOut()) {
        return false;
    }
    game_.StopPlayOut();
    button_ = static_cast<int>(mouse->button());
    return true;
}

} // namespace fenx
