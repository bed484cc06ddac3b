#include "dialogs/dialog_list.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

#include <optional>
#include <string>
#include <utility>

#include "dialog_rules/list_keys.h"
#include "dialogs/dialog_font.h"

namespace fenx {

// Sizes a line as the wider of its own text and the widest line, or as the
// columns; draws a line of columns field by field.
class DialogList::LineDelegate : public QStyledItemDelegate {
  public:
    explicit LineDelegate(DialogList& list) : QStyledItemDelegate(&list), list_(list) {}

    QString widest;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        if (!widest.isEmpty()) {
            QStyleOptionViewItem item = option;
            initStyleOption(&item, index);
            item.text = widest;
            size = size.expandedTo(Style(option).sizeFromContents(QStyle::CT_ItemViewItem, &item,
                                                                  QSize(), option.widget));
        }
        const std::vector<ColumnSpan>& columns = list_.Columns();
        if (!columns.empty()) {
            // As wide as the columns, so that a line never scrolls sideways
            // while they fit.
            size.setWidth(columns.back().right() + list_.LineMargin() - list_.viewport()->x());
        }
        return size;
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        if (list_.Columns().empty()) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        const QString text = item.text;
        // The line's background, selection and focus as the style draws
        // them; then its fields.
        item.text.clear();
        Style(option).drawControl(QStyle::CE_ItemViewItem, &item, painter, option.widget);
        const QPalette::ColorGroup group =
            !(option.state & QStyle::State_Enabled) ? QPalette::Disabled
            : (option.state & QStyle::State_Active) ? QPalette::Active
                                                    : QPalette::Inactive;
        const QPalette::ColorRole role =
            (option.state & QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text;
        painter->save();
        painter->setFont(item.font);
        painter->setPen(option.palette.color(group, role));
        for (const PlacedField& field : list_.PlaceFields(option.rect, text)) {
            painter->drawText(field.rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                              field.text);
        }
        painter->restore();
    }

  private:
    static const QStyle& Style(const QStyleOptionViewItem& option) {
        return option.widget ? *option.widget->style() : *QApplication::style();
    }

    DialogList& list_;
};

namespace {

// The keys that move a list's selection, without modifiers (the keypad's
// keys as the others).
constexpr std::pair<int, ListKey> kListKeys[] = {
    {Qt::Key_Up, ListKey::Up},         {Qt::Key_Down, ListKey::Down},
    {Qt::Key_Home, ListKey::Home},     {Qt::Key_End, ListKey::End},
    {Qt::Key_PageUp, ListKey::PageUp}, {Qt::Key_PageDown, ListKey::PageDown},
};

std::optional<ListKey> ListKeyOf(const QKeyEvent& event) {
    if ((event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        return std::nullopt;
    }
    for (const auto& [key, listKey] : kListKeys) {
        if (event.key() == key) {
            return listKey;
        }
    }
    return std::nullopt;
}

} // namespace

DialogList::DialogList(QWidget* parent) : QListView(parent), delegate_(new LineDelegate(*this)) {
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

void DialogList::SetColumns(std::vector<FieldAlign> aligns, const QString& widest) {
    setFont(ColumnFont());
    aligns_ = std::move(aligns);
    columnWidths_.clear();
    const std::string text = widest.toStdString();
    for (const std::string_view field : LineFields(text)) {
        columnWidths_.push_back(fontMetrics().horizontalAdvance(
            QString::fromUtf8(field.data(), static_cast<qsizetype>(field.size()))));
    }
    LayOutListColumns();
}

int DialogList::LineMargin() const {
    // What the style leaves at each end of an item's text.
    return style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
}

void DialogList::LayOutListColumns() {
    columns_.clear();
    if (!columnWidths_.empty()) {
        // The room of a line while the scroll bar shows, so that the
        // columns stay where they are whether it shows or not.
        const int frame = frameWidth();
        const int margin = LineMargin();
        const int bar =
            style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, verticalScrollBar());
        const int room = width() - 2 * frame - bar - 2 * margin;
        columns_ =
            LayOutColumns(columnWidths_, room, fontMetrics().horizontalAdvance(QLatin1Char(' ')));
        for (ColumnSpan& column : columns_) {
            column.left += frame + margin;
        }
    }
    doItemsLayout();
    emit columnsChanged();
}

std::vector<DialogList::PlacedField> DialogList::PlaceFields(const QRect& line,
                                                             const QString& text) const {
    std::vector<PlacedField> placed;
    const std::vector<ColumnSpan>& columns = columns_;
    if (columns.empty()) {
        return placed;
    }
    const std::string utf8 = text.toStdString();
    const std::vector<std::string_view> fields = LineFields(utf8);
    // From the list's coordinates to the line's.
    const int shift = line.x() - viewport()->x();
    for (std::size_t i = 0; i < fields.size() && i < columns.size(); ++i) {
        std::string_view field = fields[i];
        if (i + 1 == columns.size() && fields.size() > columns.size()) {
            const std::string_view last = fields.back();
            field = std::string_view(
                field.data(), static_cast<std::size_t>(last.data() + last.size() - field.data()));
        }
        const QString fieldText =
            QString::fromUtf8(field.data(), static_cast<qsizetype>(field.size()));
        const int width = fontMetrics().horizontalAdvance(fieldText);
        const FieldAlign align = i < aligns_.size() ? aligns_[i] : FieldAlign::Left;
        placed.push_back(
            {QRect(shift + FieldLeft(columns[i], width, align), line.y(), width, line.height()),
             fieldText});
    }
    return placed;
}

void DialogList::resizeEvent(QResizeEvent* event) {
    QListView::resizeEvent(event);
    if (!columnWidths_.empty()) {
        LayOutListColumns();
    }
}

void DialogList::keyPressEvent(QKeyEvent* event) {
    const std::optional<ListKey> key = ListKeyOf(*event);
    if (!key || !model() || !selectionModel()) {
        QListView::keyPressEvent(event);
        return;
    }
    const int rows = model()->rowCount(rootIndex());
    const int lineHeight = rows > 0 ? std::max(1, sizeHintForRow(0)) : 1;
    const QModelIndex caret = currentIndex();
    const int row = RowAfterListKey(*key, caret.isValid() ? caret.row() : -1,
                                    caret.isValid() && selectionModel()->isSelected(caret), rows,
                                    viewport()->height() / lineHeight);
    if (row >= 0) {
        const QModelIndex to = model()->index(row, 0, rootIndex());
        selectionModel()->setCurrentIndex(to, QItemSelectionModel::ClearAndSelect);
        scrollTo(to);
    }
    event->accept();
}

} // namespace fenx
