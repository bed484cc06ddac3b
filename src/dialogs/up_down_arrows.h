// A pair of step arrows on the right edge of a number edit, its buddy:
// the upper arrow adds one to the edit's number, the lower one takes one
// off (an empty edit counts as 0), staying within what five digits hold.
// The Up and Down keys in the edit do the same. The arrows take no focus.
#pragma once

#include <QWidget>

class QToolButton;

namespace fenx {

class NumberEdit;

class UpDownArrows : public QWidget {
    Q_OBJECT
  public:
    UpDownArrows(NumberEdit& buddy, QWidget* parent);

    NumberEdit& buddy() { return buddy_; }
    QToolButton& upArrow() { return *up_; }
    QToolButton& downArrow() { return *down_; }

    void Step(int delta);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    NumberEdit& buddy_;
    QToolButton* up_;
    QToolButton* down_;
};

} // namespace fenx
