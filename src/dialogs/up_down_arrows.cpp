#include "dialogs/up_down_arrows.h"

#include <QToolButton>

#include "dialog_rules/edit_number.h"
#include "dialogs/number_edit.h"

namespace fenx {
namespace {

QToolButton* MakeArrow(Qt::ArrowType type, QWidget* parent) {
    auto* arrow = new QToolButton(parent);
    arrow->setArrowType(type);
    arrow->setFocusPolicy(Qt::NoFocus);
    arrow->setAutoRepeat(true);
    return arrow;
}

} // namespace

UpDownArrows::UpDownArrows(NumberEdit& buddy, QWidget* parent)
    : QWidget(parent), buddy_(buddy), up_(MakeArrow(Qt::UpArrow, this)),
      down_(MakeArrow(Qt::DownArrow, this)) {
    setFocusPolicy(Qt::NoFocus);
    connect(up_, &QToolButton::clicked, this, [this] { Step(1); });
    connect(down_, &QToolButton::clicked, this, [this] { Step(-1); });
    connect(&buddy_, &NumberEdit::stepRequested, this, &UpDownArrows::Step);
}

void UpDownArrows::Step(int delta) {
    buddy_.SetNumber(StepEditNumber(buddy_.Number(), delta));
}

void UpDownArrows::resizeEvent(QResizeEvent* /*event*/) {
    const int upper = height() / 2;
    up_->setGeometry(0, 0, width(), upper);
    down_->setGeometry(0, upper, width(), height() - upper);
}

} // namespace fenx
