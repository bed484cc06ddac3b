// A dialog's list box: one column of lines from a model, in the model's
// order, at most one line selected and none when it opens. The lines are
// drawn only as they come into view and all have the height of one line of
// the dialog font, so a list of a million lines opens at once.
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

  signals:
    // A line was double-clicked.
    void lineDoubleClicked(int row);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace fenx
