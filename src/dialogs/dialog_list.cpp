#include "dialogs/dialog_list.h"

#include <QKeyEvent>

namespace fenx {

DialogList::DialogList(QWidget* parent) : QListView(parent) {
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QListView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid()) {
            emit lineDoubleClicked(index.row());
        }
    });
}

int DialogList::SelectedRow() const {
    if (!selectionModel()) {
        return -1;
    }
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.front().row();
}

void DialogList::keyPressEvent(QKeyEvent* event) {
    const bool arrow = event->key() == Qt::Key_Up || event->key() == Qt::Key_Down;
    if (arrow && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && model() &&
        model()->rowCount() > 0 && SelectedRow() < 0) {
        const QModelIndex caret = currentIndex();
        setCurrentIndex(caret.isValid() ? caret : model()->index(0, 0));
        event->accept();
        return;
    }
    QListView::keyPressEvent(event);
}

} // namespace fenx
