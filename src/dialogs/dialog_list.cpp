#include "dialogs/dialog_list.h"

#include <QApplication>
#include <QKeyEvent>
#include <QStyledItemDelegate>

namespace fenx {

// Sizes a line as the wider of its own text and the widest line.
class DialogList::LineDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QString widest;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        if (!widest.isEmpty()) {
            QStyleOptionViewItem item = option;
            initStyleOption(&item, index);
            item.text = widest;
            const QStyle* style = option.widget ? option.widget->style() : QApplication::style();
            size = size.expandedTo(
                style->sizeFromContents(QStyle::CT_ItemViewItem, &item, QSize(), option.widget));
        }
        return size;
    }
};

DialogList::DialogList(QWidget* parent) : QListView(parent), delegate_(new LineDelegate(this)) {
    setItemDelegate(delegate_);
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

void DialogList::SetWidestLine(const QString& text) {
    delegate_->widest = text;
    // The shared line size is measured again.
    doItemsLayout();
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
