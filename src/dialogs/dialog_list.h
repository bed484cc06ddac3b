// A dialog's list box: one column of lines from a model, in the model's
// order, at most one line selected and none when it opens. The lines are
// drawn only as they come into view and all have the height of one line of
// the dialog font, so a list of a million lines opens at once.
//
// Because the lines share the size of one sample line (the last), the list
// must be told its widest line; every line then gets that width and none is
// cut short. A list of numbers can instead stand in columns (see
// dialog_rules/list_columns.h): each line keeps its text, but its fields
// are drawn in columns that fill the list beside its scroll bar.
//
// The arrows, Home, End, Page Up and Page Down select the line they move
// to (dialog_rules/list_keys.h), so Start always has one to play.
#pragma once

#include <QListView>

#include <vector>

#include "dialog_rules/list_columns.h"

namespace fenx {

class DialogList : public QListView {
    Q_OBJECT
  public:
    explicit DialogList(QWidget* parent);

    // The selected line, or -1.
    int SelectedRow() const;
    // Every line is at least as wide as this text.
    void SetWidestLine(const QString& text);

    // The lines stand in columns, in the column font: `aligns` says how
    // each field stands in its column, and each field of `widest` is as
    // wide as any of its column will be.
    void SetColumns(std::vector<FieldAlign> aligns, const QString& widest);
    // The columns in the list's own coordinates (its frame included);
    // none for a list without columns. Laid out when the columns are set
    // and whenever the list changes size.
    const std::vector<ColumnSpan>& Columns() const { return columns_; }

    struct PlacedField {
        QRect rect; // where the field is drawn
        QString text;
    };
    // The fields of a line `text` drawn in `line` (a line's rectangle in
    // the viewport), as the list draws them. Fields past the last column
    // stay with the last one.
    std::vector<PlacedField> PlaceFields(const QRect& line, const QString& text) const;

  signals:
    // A line was double-clicked.
    void lineDoubleClicked(int row);
    // The columns have been laid out anew.
    void columnsChanged();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    class LineDelegate;
    // Blank room at each end of a line, as the style leaves it.
    int LineMargin() const;
    // Lays out the columns in the list's present width, and the lines anew.
    void LayOutListColumns();

    LineDelegate* delegate_;
    std::vector<FieldAlign> aligns_;
    std::vector<int> columnWidths_;
    std::vector<ColumnSpan> columns_;
};

} // namespace fenx
