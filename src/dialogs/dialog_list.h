// A dialog's list box: one column of lines from a model, in the model's
// order, at most one line selected and none when it opens. The lines are
// drawn only as they come into view and all have the height of one line of
// the dialog font, so a list of a million lines opens at once.
//
// Because the lines share the size of one sample line (the last), the list
// must be told its widest line; every line then gets that width and none is
// cut short.
//
// With no line selected, the first arrow key selects the line under the
// caret (the first line at the start) instead of moving past it.
#pragma once

#include <QListView>

namespace fenx {

class DialogList : public QListView {
    Q_OBJECT
  public:
    explicit DialogList(QWidget* parent);

    // The selected line, or -1.
    int SelectedRow() const;
    // Every line is at least as wide as this text.
    void SetWidestLine(const QString& text);

  signals:
    // A line was double-clicked.
    void lineDoubleClicked(int row);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    class LineDelegate;
    LineDelegate* delegate_;
};

} // namespace fenx
