#include "dialogs/column_label.h"

#include <QPainter>
#include <QStyle>

#include <string>

#include "dialog_rules/list_columns.h"
#include "dialogs/dialog_list.h"

namespace fenx {

ColumnLabel::ColumnLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setTextFormat(Qt::PlainText);
}

void ColumnLabel::Head(DialogList& list) {
    list_ = &list;
    connect(&list, &DialogList::columnsChanged, this, qOverload<>(&QWidget::update));
    update();
}

std::vector<ColumnLabel::PlacedWord> ColumnLabel::PlaceWords() const {
    const std::string utf8 = text().toStdString();
    std::vector<QString> words;
    std::vector<int> widths;
    for (const std::string_view word : LineFields(utf8)) {
        words.push_back(QString::fromUtf8(word.data(), static_cast<qsizetype>(word.size())));
        widths.push_back(fontMetrics().horizontalAdvance(words.back()));
    }
    std::vector<int> lefts;
    if (list_) {
        // The list's columns as they stand under this label.
        std::vector<ColumnSpan> columns = list_->Columns();
        const int shift = list_->x() - x();
        for (ColumnSpan& column : columns) {
            column.left += shift;
        }
        lefts = TitleLefts(columns, widths);
    } else {
        const int blank = fontMetrics().horizontalAdvance(QLatin1Char(' '));
        for (const ColumnSpan& column : LayOutColumns(widths, contentsRect().width(), blank)) {
            lefts.push_back(contentsRect().x() + column.left);
        }
    }
    std::vector<PlacedWord> placed;
    for (std::size_t i = 0; i < lefts.size(); ++i) {
        placed.push_back(
            {QRect(lefts[i], contentsRect().y(), widths[i], fontMetrics().height()), words[i]});
    }
    return placed;
}

void ColumnLabel::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    for (const PlacedWord& word : PlaceWords()) {
        style()->drawItemText(&painter, word.rect, Qt::AlignLeft | Qt::AlignTop, palette(),
                              isEnabled(), word.text, foregroundRole());
    }
}

} // namespace fenx
