#include "app/next_move_key.h"

#include <QApplication>
#include <QMetaObject>
#include <QShortcut>
#include <QWidget>

#include <utility>

namespace fenx {

NextMoveKey::NextMoveKey(Game& game, QWidget* window)
    : nextMove_(game, [this](std::function<void()> task) {
          // Dropped with this object if the window closes first.
          QMetaObject::invokeMethod(this, std::move(task), Qt::QueuedConnection);
      }) {
    auto* key = new QShortcut(QKeySequence(Qt::Key_H), window);
    connect(key, &QShortcut::activated, this, &NextMoveKey::Press);
    auto* playOut = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_H), window);
    connect(playOut, &QShortcut::activated, this, &NextMoveKey::PressPlayOut);
}

void NextMoveKey::Press() {
    if (nextMove_.Ask() == NextMoveWorker::Answer::NoThread) {
        QApplication::beep();
    }
}

void NextMoveKey::PressPlayOut() {
    if (nextMove_.AskPlayOut() == NextMoveWorker::Answer::NoThread) {
        QApplication::beep();
    }
}

} // namespace fenx
